#pragma once
// How a chart is drawn: in colour as on screen, or for a black-and-white printer with
// black outlines and hatch patterns on white.
#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPen>

#include "NumberFormat.h"

struct ChartLook {
    bool colour = true;
    NumberSeparators seps;
    // False: the bars are left out, for a chart that draws bars of its own over the frame.
    bool bars = true;

    QColor background() const { return Qt::white; }
    QColor wall() const { return colour ? QColor(0xee, 0xf1, 0xf5) : QColor(Qt::white); }
    QColor ink() const { return Qt::black; }
    QColor gridLine() const { return colour ? QColor(0xc4, 0xcb, 0xd3) : QColor(0x80, 0x80, 0x80); }
    QColor barColour() const { return QColor(0x2e, 0x6d, 0xb4); }
    // The target line: dashed, red on screen, black on a black-and-white printer.
    QPen targetPen() const {
        return QPen(colour ? QColor(0xc0, 0x39, 0x2b) : QColor(Qt::black), 2, Qt::DashLine);
    }
    QPen barPen() const {
        if (!bars)
            return Qt::NoPen;
        return colour ? QPen(barColour().darker(140), 1) : QPen(Qt::black, 1);
    }
    // Bar faces: front, top, side.
    QBrush front() const {
        if (!bars)
            return Qt::NoBrush;
        return colour ? QBrush(barColour()) : QBrush(Qt::black, Qt::BDiagPattern);
    }
    QBrush top() const {
        if (!bars)
            return Qt::NoBrush;
        return colour ? QBrush(barColour().lighter(135)) : QBrush(Qt::black, Qt::Dense6Pattern);
    }
    QBrush side() const {
        if (!bars)
            return Qt::NoBrush;
        return colour ? QBrush(barColour().darker(135)) : QBrush(Qt::black, Qt::FDiagPattern);
    }

    // The bars of series s of a grouped chart: the first in the bar colour, then orange and
    // green; without colour, a hatch of its own each.
    QColor seriesColour(std::size_t s) const;
    QPen seriesPen(std::size_t s) const;
    QBrush seriesFront(std::size_t s) const;
    QBrush seriesTop(std::size_t s) const;
    QBrush seriesSide(std::size_t s) const;

    QFont titleFont(double height) const;
    QFont labelFont(double height) const;
};
