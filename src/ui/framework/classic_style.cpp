#include "ui/framework/classic_style.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

namespace {

constexpr int kBorder = 2;     // the three-dimensional border of buttons and text boxes
constexpr int kFocusInset = 4; // the focus rectangle lies just inside a button's border
constexpr int kIndicator = 13; // the round well of an option button
constexpr int kIndicatorSpacing = 4;
constexpr int kTitleIndent = 8;  // a frame's caption starts this far in on its top line
constexpr int kTitlePadding = 2; // the line stops short of the caption on either side

enum class Edge { Raised, Sunken };

// Two nested one-pixel borders: the outer pair of colours top-left and
// bottom-right, then the inner pair.
void drawEdge(QPainter& painter, const QRect& box, const QPalette& colours, Edge edge) {
    const bool raised = edge == Edge::Raised;
    const QColor outerTopLeft = raised ? colours.light().color() : colours.dark().color();
    const QColor outerBottomRight = raised ? colours.shadow().color() : colours.light().color();
    const QColor innerTopLeft = raised ? colours.midlight().color() : colours.shadow().color();
    const QColor innerBottomRight = raised ? colours.dark().color() : colours.midlight().color();
    const auto frame = [&painter](const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
        painter.fillRect(r.left(), r.top(), r.width() - 1, 1, topLeft);
        painter.fillRect(r.left(), r.top(), 1, r.height() - 1, topLeft);
        painter.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
        painter.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
    };
    frame(box, outerTopLeft, outerBottomRight);
    frame(box.adjusted(1, 1, -1, -1), innerTopLeft, innerBottomRight);
}

void drawPushButton(QPainter& painter, const QStyleOptionButton& button) {
    QRect box = button.rect;
    const QPalette& colours = button.palette;
    const bool pressed = button.state & (QStyle::State_Sunken | QStyle::State_On);
    if (button.features & QStyleOptionButton::DefaultButton) {
        painter.setPen(colours.shadow().color());
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        box.adjust(1, 1, -1, -1);
    }
    painter.fillRect(box, colours.button());
    drawEdge(painter, box, colours, pressed ? Edge::Sunken : Edge::Raised);
}

// The round well of an option button: grey above left, white below right,
// white inside and a black dot when selected.
void drawOptionIndicator(QPainter& painter, const QStyleOption& option) {
    const QPalette& colours = option.palette;
    const QRectF well = QRectF(option.rect).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const bool enabled = option.state & QStyle::State_Enabled;
    const bool pressed = option.state & QStyle::State_Sunken;
    painter.setPen(Qt::NoPen);
    painter.setBrush(enabled && !pressed ? colours.base() : colours.button());
    painter.drawEllipse(well);
    painter.setBrush(Qt::NoBrush);
    const auto arc = [&painter](const QRectF& r, const QColor& colour, int startDegrees) {
        painter.setPen(QPen(colour, 1));
        painter.drawArc(r, startDegrees * 16, 180 * 16);
    };
    arc(well, colours.dark().color(), 45);
    arc(well, colours.light().color(), 225);
    const QRectF inner = well.adjusted(1, 1, -1, -1);
    arc(inner, colours.shadow().color(), 45);
    arc(inner, colours.midlight().color(), 225);
    if (option.state & QStyle::State_On) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(enabled ? colours.text() : colours.dark());
        const QPointF centre = well.center();
        painter.drawEllipse(centre, 2.0, 2.0);
    }
    painter.restore();
}

// The classic focus rectangle: every other pixel of its outline inverted,
// so that it shows on any colour.
void drawFocusRect(QPainter& painter, const QRect& r) {
    if (r.width() < 1 || r.height() < 1)
        return;
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const QBrush dots(Qt::white, Qt::Dense4Pattern);
    painter.setBrushOrigin(r.topLeft());
    painter.fillRect(r.left(), r.top(), r.width(), 1, dots);
    painter.fillRect(r.left(), r.bottom(), r.width(), 1, dots);
    painter.fillRect(r.left(), r.top() + 1, 1, r.height() - 2, dots);
    painter.fillRect(r.right(), r.top() + 1, 1, r.height() - 2, dots);
    painter.restore();
}

QRect groupBoxTitle(const QStyleOptionGroupBox& box) {
    const QSize text = box.fontMetrics.size(Qt::TextShowMnemonic, box.text);
    return QRect(box.rect.left() + kTitleIndent + kTitlePadding, box.rect.top(), text.width(), text.height());
}

// The etched frame: a grey line with a white one beside it, broken where the
// caption sits on the top line. The inside is left to the frame's own
// background, the same colour as the window around it.
void drawGroupBox(QPainter& painter, const QStyleOptionGroupBox& box) {
    const QPalette& colours = box.palette;
    const QRect title = groupBoxTitle(box);
    const int lineTop = box.rect.top() + (box.text.isEmpty() ? 0 : title.height() / 2);
    const QRect outline(box.rect.left(), lineTop, box.rect.width() - 1, box.rect.bottom() - lineTop);
    painter.save();
    if (!box.text.isEmpty())
        painter.setClipRegion(
            QRegion(box.rect).subtracted(QRegion(title.adjusted(-kTitlePadding, 0, kTitlePadding, 0))));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(colours.dark().color());
    painter.drawRect(outline.adjusted(0, 0, -1, -1));
    painter.setPen(colours.light().color());
    painter.drawRect(outline.adjusted(1, 1, 0, 0));
    painter.restore();
    if (!box.text.isEmpty()) {
        painter.setPen(colours.color(QPalette::WindowText));
        painter.drawText(title, Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic, box.text);
    }
}

} // namespace

ClassicStyle::ClassicStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void ClassicStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const {
    switch (element) {
    case PE_FrameFocusRect:
        drawFocusRect(*painter, option->rect);
        return;
    case PE_IndicatorRadioButton:
        drawOptionIndicator(*painter, *option);
        return;
    case PE_PanelLineEdit:
        painter->fillRect(option->rect, option->palette.base());
        if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
            frame && frame->lineWidth > 0)
            drawEdge(*painter, option->rect, option->palette, Edge::Sunken);
        return;
    case PE_FrameLineEdit:
    case PE_Frame:
        drawEdge(*painter, option->rect, option->palette, Edge::Sunken);
        return;
    case PE_PanelButtonCommand:
        if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option)) {
            drawPushButton(*painter, *button);
            return;
        }
        break;
    default:
        break;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void ClassicStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const {
    if (element == CE_PushButtonBevel) {
        if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option)) {
            drawPushButton(*painter, *button);
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void ClassicStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                      QPainter* painter, const QWidget* widget) const {
    if (control == CC_GroupBox) {
        if (const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option)) {
            drawGroupBox(*painter, *box);
            return;
        }
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

QRect ClassicStyle::subElementRect(SubElement element, const QStyleOption* option,
                                   const QWidget* widget) const {
    switch (element) {
    case SE_PushButtonContents:
        return option->rect.adjusted(kBorder + 1, kBorder + 1, -kBorder - 1, -kBorder - 1);
    case SE_PushButtonFocusRect:
        return option->rect.adjusted(kFocusInset, kFocusInset, -kFocusInset, -kFocusInset);
    case SE_RadioButtonIndicator: {
        const QRect& r = option->rect;
        return QRect(r.left(), r.top() + (r.height() - kIndicator) / 2, kIndicator, kIndicator);
    }
    case SE_RadioButtonContents: {
        const int left = kIndicator + kIndicatorSpacing;
        return option->rect.adjusted(left, 0, 0, 0);
    }
    case SE_RadioButtonFocusRect:
        return subElementRect(SE_RadioButtonContents, option, widget);
    default:
        return QProxyStyle::subElementRect(element, option, widget);
    }
}

QRect ClassicStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                                   const QWidget* widget) const {
    if (control == CC_GroupBox) {
        if (const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option)) {
            const QRect title = groupBoxTitle(*box);
            switch (part) {
            case SC_GroupBoxLabel:
                return title;
            case SC_GroupBoxCheckBox:
                return QRect();
            case SC_GroupBoxFrame:
                return box->rect;
            case SC_GroupBoxContents:
                return box->rect.adjusted(kBorder, title.height(), -kBorder, -kBorder);
            default:
                break;
            }
        }
    }
    return QProxyStyle::subControlRect(control, option, part, widget);
}

int ClassicStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    switch (metric) {
    case PM_DefaultFrameWidth:
        return kBorder;
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
        return kIndicator;
    case PM_RadioButtonLabelSpacing:
        return kIndicatorSpacing;
    case PM_ButtonShiftHorizontal:
    case PM_ButtonShiftVertical:
        return 1;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}
