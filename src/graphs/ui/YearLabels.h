#pragma once
// The year labels under the bars, as both chart forms draw them: level when they fit their
// bar's slot, turned upright when they do not, and only every few when even upright they
// would touch (a picture far too small for its bars).
#include <QFont>
#include <QString>
#include <span>
#include <string>
#include <vector>

#include "ChartScale.h"

class QPainter;

class YearLabels {
  public:
    // Labels in `font` for bars `slot` pixels apart.
    YearLabels(const std::vector<std::string>& labels, const QFont& font, double slot);

    const LabelPlan& plan() const { return plan_; }
    // Height of the band the labels need below the axis line.
    double bandHeight() const;
    // Draws label j centred under centres[j], its top edge `top` pixels down.
    void draw(QPainter& painter, std::span<const double> centres, double top) const;

  private:
    std::vector<QString> texts_;
    QFont font_;
    double widest_ = 0;
    double lineHeight_ = 0;
    LabelPlan plan_;
};
