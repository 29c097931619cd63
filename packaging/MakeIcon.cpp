// Writes the application icon into a hicolor theme folder: a PNG per size, each drawn for
// its size by the program's own code, and an SVG of the largest layout for the scalable slot;
// and the icon of the program's files: a sheet of paper with a folded corner, the application
// icon on it.
//   make_icon <theme folder> <icon name> <file icon name>
#include "AppIcon.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPolygon>
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

// The sheet fills the height and three quarters of the width; the icon sits in its lower part,
// drawn at its own size for that room, so that it stays sharp.
QImage FileIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const int width = std::max(12, size * 3 / 4);
    const int left = (size - width) / 2;
    const int fold = std::max(3, size / 4);
    QPainter painter(&image);
    const QPolygon sheet({QPoint(left, 0), QPoint(left + width - 1 - fold, 0),
                          QPoint(left + width - 1, fold), QPoint(left + width - 1, size - 1),
                          QPoint(left, size - 1)});
    painter.setPen(QColor(0x70, 0x70, 0x70));
    painter.setBrush(Qt::white);
    painter.drawPolygon(sheet);
    painter.drawPolyline(
        QPolygon({QPoint(left + width - 1 - fold, 0), QPoint(left + width - 1 - fold, fold),
                  QPoint(left + width - 1, fold)}));
    const int inner = std::max(8, width - 2 * std::max(2, size / 16));
    Fourier::Toolkit::TBitmap icon;
    Fourier::DrawAppIcon(icon, inner);
    painter.drawImage(QPoint(left + (width - inner) / 2, size - inner - std::max(2, size / 16)),
                      icon.Image());
    return image;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_icon <theme folder> <icon name> <file icon name>\n");
        return 2;
    }
    QGuiApplication application(argc, argv);
    const QDir theme(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    const QString fileName = QString::fromLocal8Bit(argv[3]);
    for (const int size : Fourier::AppIconSizes) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        Fourier::Toolkit::TBitmap icon;
        Fourier::DrawAppIcon(icon, size);
        if (!theme.mkpath(folder) ||
            !icon.Image().save(theme.filePath(folder + "/" + name + ".png"), "PNG"))
            return 1;
        const QString files = QStringLiteral("%1x%1/mimetypes").arg(size);
        if (!theme.mkpath(files) ||
            !FileIcon(size).save(theme.filePath(files + "/" + fileName + ".png"), "PNG"))
            return 1;
    }
    const int largest =
        *std::max_element(std::begin(Fourier::AppIconSizes), std::end(Fourier::AppIconSizes));
    if (!theme.mkpath("scalable/apps")) return 1;
    return WriteSvg(theme.filePath("scalable/apps/" + name + ".svg"), largest) ? 0 : 1;
}
