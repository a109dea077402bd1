// quarnel-pictures RESOURCES_DIR
// Draws the program's pictures and icons again and writes them over the committed files in
// RESOURCES_DIR (the repository's resources folder). The normal build never runs it.

#include "app_icon.h"
#include "application.h"
#include "frame_diagram.h"
#include "help_picture.h"
#include "help_shots_from_program.h"
#include "picture_fonts.h"
#include "voltage_levels_text.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <cstdio>

namespace {

using namespace quarnel::pictures;

bool save(const QImage& image, const QDir& root, const QString& path) {
    const QString file = root.filePath(path);
    if (image.isNull() || !QDir().mkpath(QFileInfo(file).path()) || !image.save(file, "PNG")) {
        std::fprintf(stderr, "quarnel-pictures: cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

bool copyFile(const QDir& root, const QString& from, const QString& to) {
    const QString target = root.filePath(to);
    QDir().mkpath(QFileInfo(target).path());
    QFile::remove(target);
    if (!QFile::copy(root.filePath(from), target)) {
        std::fprintf(stderr, "quarnel-pictures: cannot copy %s\n", qPrintable(from));
        return false;
    }
    std::printf("%s\n", qPrintable(to));
    return true;
}

// The widgets of the help screenshots look the same whatever the desktop this runs on: the
// Fusion style with a blue selection.
void setUpWindowLook() {
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QPalette palette = QApplication::style()->standardPalette();
    palette.setColor(QPalette::Highlight, QColor(0, 120, 215));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    QApplication::setPalette(palette);
}

} // namespace

int main(int argc, char** argv) {
    // Off screen, so that the pictures do not depend on the display, its scaling or its style.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    quarnel::Application app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: quarnel-pictures RESOURCES_DIR\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    setUpWindowLook();

    const HelpShots shots = programHelpShots();
    const QString iconSource = root.filePath("src/icon.svg");
    bool ok =
        save(drawFrameDiagram(), root, "pictures/frame.png") &&
        save(drawVoltageLevelsText(), root, "pictures/voltages.png") &&
        save(composeHelpPicture(shots.listShot, shots.windowTopShot), root, "pictures/help.png") &&
        save(renderIcon(iconSource, 50), root, "icons/quarnel.png");
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QString("icons/hicolor/%1x%1/apps/").arg(size);
        ok = ok && save(renderIcon(iconSource, size), root, dir + "quarnel.png");
    }
    ok = ok && copyFile(root, "src/icon.svg", "icons/hicolor/scalable/apps/quarnel.svg");
    return ok ? 0 : 1;
}
