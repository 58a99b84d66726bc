// render-icon SOURCE SIZE OUT.png: writes the icon image SOURCE as a SIZE x SIZE PNG. An SVG is
// drawn at that size; a pixel image (the XPMs of the window icon) must already have it, so that
// the small icons keep their hand-set pixels.
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <iostream>

namespace {

QImage render(const QString& source, int size) {
    if (!source.endsWith(u".svg")) {
        return QImage(source);
    }
    QSvgRenderer svg(source);
    if (!svg.isValid()) {
        return {};
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    return image;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::cerr << "usage: render-icon SOURCE SIZE OUT.png\n";
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const int size = QString::fromLatin1(argv[2]).toInt();
    const QImage image = render(source, size);
    if (image.isNull() || image.size() != QSize(size, size)) {
        std::cerr << "render-icon: " << argv[1] << " gives no " << size << " x " << size
                  << " image\n";
        return 1;
    }
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::cerr << "render-icon: cannot write " << argv[3] << '\n';
        return 1;
    }
    return 0;
}
