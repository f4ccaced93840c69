#include "gui/symbol.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace saldino::gui {

QIcon programmsymbol() {
    QSvgRenderer svg(QStringLiteral(":/saldino/saldino.svg"));
    QIcon symbol;
    for (const int groesse : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap bild(groesse, groesse);
        bild.fill(Qt::transparent);
        QPainter maler(&bild);
        svg.render(&maler);
        maler.end();
        symbol.addPixmap(bild);
    }
    return symbol;
}

} // namespace saldino::gui
