// Writes the application icon into a hicolor theme folder: a PNG per size, each drawn for
// its size by the program's own code, and an SVG of the largest layout for the scalable slot.
//   make_icon <theme folder> <icon name>
#include "AppIcon.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <iterator>

namespace {

QString Hex(Fourier::Toolkit::TColor colour) {
    return QStringLiteral("#%1").arg(colour, 6, 16, QChar('0'));
}

// The pen's pixels [p, p + width) become a stroke centred on p + width / 2.
bool WriteSvg(const QString& path, int size) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    QTextStream out(&file);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                          "viewBox=\"0 0 %1 %1\">\n")
               .arg(size)
        << QStringLiteral("  <rect width=\"%1\" height=\"%1\" fill=\"%2\"/>\n")
               .arg(size)
               .arg(Hex(Fourier::AppIconBackground));
    for (const Fourier::TIconStroke& stroke : Fourier::AppIconStrokes(size)) {
        const double half = stroke.Width / 2.0;
        out << QStringLiteral("  <polyline fill=\"none\" stroke=\"%1\" stroke-width=\"%2\" "
                              "stroke-linecap=\"square\" points=\"")
                   .arg(Hex(stroke.Colour))
                   .arg(stroke.Width);
        for (std::size_t i = 0; i < stroke.Points.size(); ++i)
            out << (i ? " " : "") << stroke.Points[i].X + half << ',' << stroke.Points[i].Y + half;
        out << "\"/>\n";
    }
    out << "</svg>\n";
    out.flush();
    return file.error() == QFile::NoError;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_icon <theme folder> <icon name>\n");
        return 2;
    }
    QGuiApplication application(argc, argv);
    const QDir theme(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (const int size : Fourier::AppIconSizes) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        Fourier::Toolkit::TBitmap icon;
        Fourier::DrawAppIcon(icon, size);
        if (!theme.mkpath(folder) ||
            !icon.Image().save(theme.filePath(folder + "/" + name + ".png"), "PNG"))
            return 1;
    }
    const int largest =
        *std::max_element(std::begin(Fourier::AppIconSizes), std::end(Fourier::AppIconSizes));
    if (!theme.mkpath("scalable/apps")) return 1;
    return WriteSvg(theme.filePath("scalable/apps/" + name + ".svg"), largest) ? 0 : 1;
}
