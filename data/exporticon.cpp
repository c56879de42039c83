// Writes the application icon as PNG files for the hicolor theme, enlarged
// pixel for pixel: exporticon SOURCE.xpm OUTPUT-DIR SIZE...
#include <QDir>
#include <QImage>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: exporticon SOURCE.xpm OUTPUT-DIR SIZE...\n");
        return 2;
    }
    const QImage icon(QString::fromLocal8Bit(argv[1]));
    if (icon.isNull()) {
        std::fprintf(stderr, "exporticon: cannot read %s\n", argv[1]);
        return 1;
    }
    const QDir output(QString::fromLocal8Bit(argv[2]));
    for (int i = 3; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        const QImage scaled = icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const QString file = output.filePath(QStringLiteral("%1.png").arg(size));
        if (!scaled.convertToFormat(QImage::Format_RGB32).save(file)) {
            std::fprintf(stderr, "exporticon: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
