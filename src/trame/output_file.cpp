#include "output_file.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace quarnel::trame {

namespace {

std::string quoted(const QString& path) {
    return "« " + path.toStdString() + " »";
}

// The reason a new file cannot go at this path, or nothing when it can be tried.
std::string whyNotWritable(const QString& path) {
    const QFileInfo target(path);
    if (target.isDir())
        return quoted(path) + " est un dossier";
    const QFileInfo folder(target.absolutePath());
    if (!folder.exists())
        return "le dossier " + quoted(QDir::toNativeSeparators(folder.filePath())) + " n'existe pas";
    if (!folder.isDir())
        return quoted(folder.filePath()) + " n'est pas un dossier";
    if (!folder.isWritable())
        return "le dossier " + quoted(folder.filePath()) + " n'est pas accessible en écriture";
    return {};
}

} // namespace

OutputFile::OutputFile(const QString& path) : path_(path) {
    if (path == QLatin1String("-")) {
        standardOutput_ = std::make_unique<QFile>();
        if (!standardOutput_->open(stdout, QIODevice::WriteOnly))
            throw OutputError("impossible d'écrire sur la sortie standard");
        return;
    }
    // A device or a pipe (/dev/null, a FIFO) is written as it is: renaming a file over it
    // would replace it.
    if (const QFileInfo target(path); target.exists() && !target.isFile() && !target.isDir()) {
        standardOutput_ = std::make_unique<QFile>(path);
        if (!standardOutput_->open(QIODevice::WriteOnly))
            throw OutputError("impossible d'écrire " + quoted(path));
        return;
    }
    if (const std::string reason = whyNotWritable(path); !reason.empty())
        throw OutputError("impossible d'écrire " + quoted(path) + " : " + reason);
    file_ = std::make_unique<QSaveFile>(path);
    // Never fall back to writing the target itself: a failure would leave it half written.
    file_->setDirectWriteFallback(false);
    if (!file_->open(QIODevice::WriteOnly))
        throw OutputError("impossible de créer " + quoted(path) + " : le dossier refuse un nouveau fichier");
}

OutputFile::~OutputFile() {
    if (file_ && file_->isOpen())
        file_->cancelWriting();
}

QIODevice& OutputFile::device() {
    return file_ ? static_cast<QIODevice&>(*file_) : *standardOutput_;
}

void OutputFile::commit() {
    if (standardOutput_) {
        if (!standardOutput_->flush() || standardOutput_->error() != QFileDevice::NoError)
            throw OutputError("l'écriture de " + quoted(path_) + " a échoué");
        return;
    }
    const bool writeFailed = file_->error() != QFileDevice::NoError;
    if (writeFailed || !file_->commit())
        throw OutputError("l'écriture de " + quoted(path_) + " a échoué (disque plein ?) ; rien n'a été écrit");
}

DeviceStreamBuffer::DeviceStreamBuffer(QIODevice& device) : device_(device) {
    buffer_.resize(1 << 16);
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

DeviceStreamBuffer::~DeviceStreamBuffer() {
    flushBuffer();
}

bool DeviceStreamBuffer::flushBuffer() {
    const auto size = static_cast<qint64>(pptr() - pbase());
    const bool written = size == 0 || device_.write(pbase(), size) == size;
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return written;
}

DeviceStreamBuffer::int_type DeviceStreamBuffer::overflow(int_type c) {
    if (!flushBuffer())
        return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof()))
        sputc(traits_type::to_char_type(c));
    return traits_type::not_eof(c);
}

int DeviceStreamBuffer::sync() {
    return flushBuffer() ? 0 : -1;
}

} // namespace quarnel::trame
