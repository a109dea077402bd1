#pragma once

#include <QFile>
#include <QSaveFile>
#include <QString>
#include <memory>
#include <stdexcept>
#include <streambuf>
#include <string>

namespace quarnel::trame {

// An output that cannot be opened or written; the message is French, in UTF-8.
class OutputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The file a run writes. A named file is written beside its target under a temporary name
// and renamed into place by commit(): a failed run leaves nothing behind. "-" (standard
// output) and devices are written straight away.
class OutputFile {
public:
    // Throws OutputError naming the path and what is wrong with it.
    explicit OutputFile(const QString& path);
    ~OutputFile();

    QIODevice& device();
    // Throws OutputError when a write failed or the file could not be put in place.
    void commit();

private:
    QString path_;
    std::unique_ptr<QSaveFile> file_;
    std::unique_ptr<QFile> standardOutput_; // standard output or a device
};

// A std::ostream's buffer over a Qt device, so that the frame writers, which know only the
// standard library, write into the output file.
class DeviceStreamBuffer : public std::streambuf {
public:
    explicit DeviceStreamBuffer(QIODevice& device);
    ~DeviceStreamBuffer() override;

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    bool flushBuffer();

    QIODevice& device_;
    std::string buffer_;
};

} // namespace quarnel::trame
