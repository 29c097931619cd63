// Saves the application icon as a PNG file for the desktop's menus.
#include "AppIcon.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icon <output.png>\n");
        return 2;
    }
    QGuiApplication application(argc, argv);
    Toolkit::TBitmap icon;
    DrawAppIcon(icon);
    return icon.Image().save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
