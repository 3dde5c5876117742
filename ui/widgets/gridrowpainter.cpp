// SPDX-License-Identifier: MIT
#include "ui/widgets/gridrowpainter.h"

#include "ui/widgets/gridcategoryrow.h"
#include "ui/widgets/grideditorrow.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

constexpr int kCaptionIndent = 6;
constexpr int kTextMargin = 3;
constexpr int kIconMargin = 4;

QColor blend(const QColor &a, const QColor &b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

} // namespace

GridRowPainter::GridRowPainter(QPainter &painter, const QPalette &palette, const QFont &font, bool active)
    : m_painter(painter), m_palette(palette), m_font(font), m_active(active)
{
}

QRect GridRowPainter::captionTextRect(const QRect &captionCell)
{
    return captionCell.adjusted(kCaptionIndent, 0, -kTextMargin, 0);
}

QRect GridRowPainter::categoryTextRect(const QRect &rowRect)
{
    return rowRect.adjusted(kIconMargin + kIconSize + kIconMargin, 0, -kCaptionIndent, 0);
}

QFont GridRowPainter::categoryFont(const QFont &font)
{
    QFont bold = font;
    bold.setBold(true);
    return bold;
}

QColor GridRowPainter::lineColor() const
{
    return blend(m_palette.color(QPalette::Base), m_palette.color(QPalette::Mid), 0.55);
}

void GridRowPainter::paintCategory(const GridCategoryRow &row, const QRect &rect, const QIcon &icon, bool focused) const
{
    const QColor base = m_palette.color(QPalette::Base);
    const QColor accent = m_palette.color(QPalette::Highlight);
    QLinearGradient band(rect.topLeft(), rect.topRight());
    if (focused) {
        band.setColorAt(0, blend(base, accent, m_active ? 0.55 : 0.3));
        band.setColorAt(1, blend(base, accent, m_active ? 0.8 : 0.45));
    } else {
        band.setColorAt(0, blend(base, accent, 0.06));
        band.setColorAt(1, blend(base, accent, 0.28));
    }
    m_painter.fillRect(rect, band);
    m_painter.setPen(blend(base, accent, 0.45));
    m_painter.drawLine(rect.bottomLeft(), rect.bottomRight());

    if (!icon.isNull()) {
        QRect iconRect(rect.left() + kIconMargin, rect.top() + (rect.height() - kIconSize) / 2, kIconSize, kIconSize);
        icon.paint(&m_painter, iconRect);
    }
    const QFont font = categoryFont(m_font);
    m_painter.setFont(font);
    QColor text = focused && m_active ? m_palette.color(QPalette::HighlightedText)
                                      : blend(m_palette.color(QPalette::Text), accent, 0.55);
    m_painter.setPen(text);
    const QRect textRect = categoryTextRect(rect);
    const QString caption = QFontMetrics(font).elidedText(row.caption(), Qt::ElideRight, textRect.width());
    m_painter.drawText(textRect, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, caption);
}

void GridRowPainter::paintEditorRow(const GridEditorRow &row, const QRect &caption, const QRect &value, bool focused) const
{
    const QColor base = m_palette.color(QPalette::Base);
    QColor captionFill = blend(base, m_palette.color(QPalette::Button), 0.55);
    QColor captionText = row.captionStyle().resolve(m_palette, m_palette.color(QPalette::Text));
    if (focused) {
        captionFill = m_active ? m_palette.color(QPalette::Highlight)
                               : blend(base, m_palette.color(QPalette::Highlight), 0.3);
        if (m_active)
            captionText = m_palette.color(QPalette::HighlightedText);
    }
    m_painter.fillRect(caption, captionFill);
    m_painter.fillRect(value, base);

    // Thin grid lines: under the row and between the caption and the value.
    m_painter.setPen(lineColor());
    m_painter.drawLine(caption.left(), caption.bottom(), value.right(), caption.bottom());
    m_painter.drawLine(caption.right() + 1, caption.top(), caption.right() + 1, caption.bottom());

    m_painter.setFont(m_font);
    const QFontMetrics metrics(m_font);
    const QRect captionTextArea = captionTextRect(caption);
    m_painter.setPen(captionText);
    m_painter.drawText(captionTextArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                       metrics.elidedText(row.caption(), Qt::ElideRight, captionTextArea.width()));

    const QRect valueTextArea = value.adjusted(kTextMargin, 0, -kTextMargin, 0);
    m_painter.setPen(row.contentStyle().resolve(m_palette, m_palette.color(QPalette::Text)));
    m_painter.drawText(valueTextArea, int(row.alignment()) | Qt::AlignVCenter | Qt::TextSingleLine,
                       metrics.elidedText(row.displayText(), Qt::ElideRight, valueTextArea.width()));
}
