#include "Chaining.h"

#include <QtMath>

namespace Chaining {

QPointF forwardPoint(QPointF aPoint, double aAngleDeg, QPointF aLowerLeft, QPointF aLowerRight,
                     double aScale)
{
    const double theta = aAngleDeg * M_PI / 180.0;
    const double dx = aScale * (aLowerRight.x() - aLowerLeft.x());
    const double dy = aScale * (aLowerRight.y() - aLowerLeft.y());
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    return QPointF(aPoint.x() + dx * c - dy * s, aPoint.y() + dx * s + dy * c);
}

double turnAngle(double aCurveDeg, const QString &aDirection)
{
    return aDirection == QLatin1String("left") ? -aCurveDeg : aCurveDeg;
}

double normalisedAngle(double aAngleDeg)
{
    if (aAngleDeg >= 360.0)
        aAngleDeg -= 360.0;
    if (aAngleDeg <= -360.0)
        aAngleDeg += 360.0;
    return aAngleDeg;
}

int displayedAngle(double aAngleDeg)
{
    return static_cast<int>(aAngleDeg);
}

FourLanePlacement fourLanePlacement(int aType)
{
    using D = DiagramTypeBase;
    // Curved pairs: the inner strip takes the tighter radius, so on a
    // right-hand turn record A is inside and on a left-hand turn record B.
    // Two R3610 (30 degrees each) match one R3601 (60 degrees).
    switch (aType) {
    case D::R3600R3600:
        return {{D::R3600}, {D::R3600}};
    case D::R3602R3600:
        return {{D::R3602_R}, {D::R3600}};
    case D::R3600R3602:
        return {{D::R3600}, {D::R3602_L}};
    case D::R3602R3602:
        return {{D::R3602_R}, {D::R3602_L}};
    case D::R3608R3608:
        return {{D::R3608}, {D::R3608}};
    case D::R3609R3609:
        return {{D::R3609}, {D::R3609}};
    case D::R3620R3620:
        return {{D::R3620}, {D::R3620}};
    case D::R3620dcR3620dc:
        return {{D::R3620dc}, {D::R3620dc}};
    case D::R3601R3610_R:
        return {{D::R3601_R}, {D::R3610_R, D::R3610_R}};
    case D::R3601R3610_L:
        return {{D::R3610_L, D::R3610_L}, {D::R3601_L}};
    case D::R3621R3610_R:
        return {{D::R3621_R}, {D::R3610_R}};
    case D::R3621R3610_L:
        return {{D::R3610_L}, {D::R3621_L}};
    default:
        return {};
    }
}

} // namespace Chaining
