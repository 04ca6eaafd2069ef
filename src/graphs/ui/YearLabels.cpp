#include "YearLabels.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

YearLabels::YearLabels(const std::vector<std::string>& labels, const QFont& font, double slot)
    : font_(font) {
    const QFontMetricsF metrics(font_);
    // Upright, a label takes across its slot the height of its ink (digits have no
    // descenders), with a pixel of air on either side.
    double inkHeight = 0;
    for (const std::string& l : labels) {
        texts_.push_back(QString::fromStdString(l));
        widest_ = std::max(widest_, metrics.horizontalAdvance(texts_.back()));
        inkHeight = std::max(inkHeight, metrics.tightBoundingRect(texts_.back()).height());
    }
    lineHeight_ = metrics.height();
    // Level labels get two pixels more than their advance, or "10111213" runs together.
    plan_ = labelPlan(static_cast<int>(texts_.size()), slot, widest_ + 2, inkHeight + 2);
}

double YearLabels::bandHeight() const {
    return plan_.angle == 0 ? lineHeight_ * 1.3 : widest_ + lineHeight_ * 0.5;
}

void YearLabels::draw(QPainter& painter, std::span<const double> centres, double top) const {
    painter.save();
    painter.setFont(font_);
    const std::size_t count = std::min(texts_.size(), centres.size());
    for (std::size_t j = 0; j < count; j += static_cast<std::size_t>(plan_.stride)) {
        const double x = centres[j];
        if (plan_.angle == 0) {
            painter.drawText(QRectF(x - widest_, top, 2 * widest_, lineHeight_),
                             Qt::AlignHCenter | Qt::AlignTop, texts_[j]);
            continue;
        }
        // Upright, reading upwards, its end against the axis.
        painter.save();
        painter.translate(x, top);
        painter.rotate(plan_.angle);
        painter.drawText(QRectF(-widest_, -lineHeight_ / 2, widest_, lineHeight_),
                         Qt::AlignRight | Qt::AlignVCenter, texts_[j]);
        painter.restore();
    }
    painter.restore();
}
