// Writes the installed application icons, drawn by the same code as the
// window icon: <dir>/scalable/apps/<id>.svg and <dir>/NxN/apps/<id>.png.
#include "pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr int kPngSides[] = {16, 32, 48, 64, 128, 256};
constexpr int kSvgSide = 256;

bool writePng(const QString &dir, const QString &id, int side)
{
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(dir).arg(side);
    return QDir().mkpath(folder)
           && ui::sensorPicture(QSize(side, side), QPalette()).save(folder + '/' + id + ".png", "PNG");
}

// The SVG is the picture of the largest PNG, as vectors.
bool writeSvg(const QString &dir, const QString &id)
{
    const QString folder = dir + QStringLiteral("/scalable/apps");
    if (!QDir().mkpath(folder))
        return false;
    QSvgGenerator svg;
    svg.setFileName(folder + '/' + id + ".svg");
    svg.setSize(QSize(kSvgSide, kSvgSide));
    svg.setViewBox(QRect(0, 0, kSvgSide, kSvgSide));
    svg.setTitle(QStringLiteral("Ostraval Configuration Utility"));
    QPainter p;
    if (!p.begin(&svg))
        return false;
    ui::drawSensor(p, QRectF(2, 2, kSvgSide - 4, kSvgSide - 4));
    return p.end();
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err << "usage: iconmaker OUTPUT-DIR APP-ID\n";
        return 2;
    }
    const QString &dir = args.at(1);
    const QString &id = args.at(2);
    bool ok = writeSvg(dir, id);
    for (int side : kPngSides)
        ok = writePng(dir, id, side) && ok;
    if (!ok)
        err << "iconmaker: cannot write the icons into " << dir << '\n';
    return ok ? 0 : 1;
}
