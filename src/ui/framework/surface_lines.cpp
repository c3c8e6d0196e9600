#include "ui/framework/surface_lines.h"

#include "ui/framework/twips.h"

#include <QPainter>
#include <QPen>
#include <QWidget>

void paintLines(QWidget& window, const LineTable& lines) {
    QPainter painter(&window);
    for (const LineDefinition& line : lines) {
        painter.setPen(QPen(colourFromValue(line.colour), line.width, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(twipsToPixels(line.x1), twipsToPixels(line.y1), twipsToPixels(line.x2),
                         twipsToPixels(line.y2));
    }
}
