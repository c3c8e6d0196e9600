#include "ui/widgets/caption_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

CaptionButton::CaptionButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

void CaptionButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    const QRect textArea = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(textArea, flags, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = textArea;
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
