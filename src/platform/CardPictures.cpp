#include "platform/CardPictures.h"

#include "platform/Carpetas.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QHash>

QSize cardShownSize() { return {60, 92}; }

QPixmap loadCardPicture(const QString& programFolder, const QString& code)
{
    // Each picture is decoded once per run, and its file looked for once:
    // a table shows thousands of cards in a session. Forty pictures.
    // Never freed: pictures must not outlive the application object.
    static auto* carpeta = new QString;
    static auto* cache = new QHash<QString, QPixmap>;
    if (programFolder != *carpeta) {
        cache->clear();
        *carpeta = programFolder;
    }
    if (const auto it = cache->constFind(code); it != cache->cend())
        return *it;
    QPixmap pm;
    // The installer writes "Cartas"; older copies have "cartas".
    const QString path = buscarCarpeta(programFolder, QStringLiteral("cartas")) + QLatin1Char('/') + code
                         + QStringLiteral(".jpg");
    QImage img(path);
    if (img.isNull()) {
        const QSize s = cardShownSize() * 5;  // as sharp as the drawn cards
        img = QImage(s, QImage::Format_RGB32);
        img.fill(QColor(250, 246, 232));
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(90, 90, 90), 4));
        p.drawRoundedRect(QRectF(2, 2, s.width() - 4, s.height() - 4), 10, 10);
        QFont f(QStringLiteral("Sans"));
        f.setPixelSize(s.height() / 4);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::black);
        p.drawText(QRect(QPoint(0, 0), s), Qt::AlignCenter, code);
    }
    pm = QPixmap::fromImage(img);
    cache->insert(code, pm);
    return pm;
}
