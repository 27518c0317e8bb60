#include "PieceShapes.h"

#include "catalog/RevellTrack.h"

#include <QRectF>
#include <QtMath>

#include <cmath>

namespace {

using D = DiagramTypeBase;

// The families of outline; several diagram types share one.
enum class Rule
{
    Rectangle,
    TabLeft,
    TabRight,
    DialsLeft,
    DialsRight,
    CurveRight,
    CurveLeft,
    TerminalRight,
    TerminalLeft,
    InnerApronRight,
    InnerApronLeft,
    OuterRight,
    OuterLeft,
    TransitionRightHandRight,
    TransitionRightHandLeft,
    TransitionLeftHandRight,
    TransitionLeftHandLeft,
    BankedCurveRight,
    BankedCurveLeft,
    BankedWidening,
    BankedNarrowing,
};

// Extra width of a banked curve beyond the track on each edge, and the
// narrower extra width at the straight end of a banked transition.
constexpr double kBankedWide = 51.1;
constexpr double kBankedNarrow = 38.1;
// Curved terminal: the power tab stands this far beyond the outer edge.
constexpr double kTerminalTabDepth = 50.0;

Rule ruleFor(D::DiagramType aType)
{
    switch (aType) {
    case D::R3602_L:
        return Rule::TabLeft;
    case D::R3602_R:
        return Rule::TabRight;
    case D::R3627_L:
        return Rule::DialsLeft;
    case D::R3627_R:
        return Rule::DialsRight;
    case D::R3601_R:
    case D::R3621_R:
    case D::R3610_R:
        return Rule::CurveRight;
    case D::R3601_L:
    case D::R3621_L:
    case D::R3610_L:
        return Rule::CurveLeft;
    case D::R3604_R:
        return Rule::TerminalRight;
    case D::R3604_L:
        return Rule::TerminalLeft;
    case D::R3612_R:
    case D::R3613_R:
    case D::R3621i_R:
        return Rule::InnerApronRight;
    case D::R3612_L:
    case D::R3613_L:
    case D::R3621i_L:
        return Rule::InnerApronLeft;
    case D::R3605_R:
    case D::R3611_R:
    case D::R3621o_R:
    case D::R3617g_R:
    case D::R3617w_R:
    case D::R3618g_R:
    case D::R3618w_R:
    case D::R3628o_R14:
    case D::R3628o_R21:
    case D::R3628o_Rb:
        return Rule::OuterRight;
    case D::R3605_L:
    case D::R3611_L:
    case D::R3621o_L:
    case D::R3617g_L:
    case D::R3617w_L:
    case D::R3618g_L:
    case D::R3618w_L:
    case D::R3628o_L14:
    case D::R3628o_L21:
    case D::R3628o_Lb:
        return Rule::OuterLeft;
    case D::R3615R_R:
    case D::R3616R_R:
        return Rule::TransitionRightHandRight;
    case D::R3615R_L:
    case D::R3616R_L:
        return Rule::TransitionRightHandLeft;
    case D::R3615L_R:
    case D::R3616L_R:
        return Rule::TransitionLeftHandRight;
    case D::R3615L_L:
    case D::R3616L_L:
        return Rule::TransitionLeftHandLeft;
    case D::F8517_R:
        return Rule::BankedCurveRight;
    case D::F8517_L:
        return Rule::BankedCurveLeft;
    case D::F8519R_L:
    case D::F8514L_R:
        return Rule::BankedWidening;
    case D::F8519R_R:
    case D::F8514L_L:
        return Rule::BankedNarrowing;
    default:
        // Straights, chicane, lane swap, straight aprons, straight transition
        // aprons and straight or banked-transition fences are plain quads.
        return Rule::Rectangle;
    }
}

// The catalog entry's measures in millimetres with the eight edge points
// P0..P7 (upper left, lane 2 left, lane 1 left, lower left, upper right,
// lane 2 right, lane 1 right, lower right).
struct Entry
{
    explicit Entry(const TrackPiece &aPiece)
        : L(aPiece.mLength), W(aPiece.mWidth), theta(aPiece.mCurveDeg), r(aPiece.mRadius),
          wa(aPiece.mApronWidth), p{aPiece.mUpperLeft,  aPiece.mLane2Left,  aPiece.mLane1Left,
                                    aPiece.mLowerLeft,  aPiece.mUpperRight, aPiece.mLane2Right,
                                    aPiece.mLane1Right, aPiece.mLowerRight}
    {
    }
    double L, W, theta, r, wa;
    QPointF p[8];
};

// Point at angle aDeg on a circle, in the toolkit's arc convention: 0 along
// +x, counter-clockwise on screen, where y grows downwards.
QPointF onCircle(const QPointF &aCentre, double aRadius, double aDeg)
{
    const double a = qDegreesToRadians(aDeg);
    return QPointF(aCentre.x() + aRadius * std::cos(a), aCentre.y() - aRadius * std::sin(a));
}

QPointF down(const QPointF &aPoint, double aMm)
{
    return QPointF(aPoint.x(), aPoint.y() + aMm);
}

// A painter path written in millimetres and stored in scene units, so that
// the flattening of the arcs is done at the size the scene shows.
class Tracer
{
public:
    explicit Tracer(double aScale) : mScale(aScale) {}

    void moveTo(const QPointF &aMm) { mPath.moveTo(aMm * mScale); }
    void lineTo(const QPointF &aMm) { mPath.lineTo(aMm * mScale); }
    // Runs straight to the arc's start first, as the toolkit's arcTo does.
    void arc(const QPointF &aCentre, double aRadius, double aStartDeg, double aSweepDeg)
    {
        const QPointF c = aCentre * mScale;
        const double radius = aRadius * mScale;
        mPath.arcTo(QRectF(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius), aStartDeg,
                    aSweepDeg);
    }
    const QPainterPath &path() const { return mPath; }
    QPolygonF polygon() const { return mPath.toFillPolygon(); }

private:
    double mScale;
    QPainterPath mPath;
};

QPolygonF scaled(const QVector<QPointF> &aMm, double aScale)
{
    QPolygonF result;
    result.reserve(aMm.size());
    for (const QPointF &point : aMm)
        result << point * aScale;
    return result;
}

QPolygonF rectangle(const Entry &e, double aScale)
{
    return scaled({e.p[3], e.p[0], e.p[4], e.p[7], e.p[3]}, aScale);
}

// A notch standing off the upper edge (terminal tab, lap-counter dials),
// aInset in from both ends and aDepth deep.
QPolygonF notchUpper(const Entry &e, double aInset, double aDepth, double aScale)
{
    const QPointF &p0 = e.p[0];
    const QPointF &p4 = e.p[4];
    return scaled({e.p[3], p0, QPointF(p0.x() + aInset, p0.y()),
                   QPointF(p0.x() + aInset, p0.y() - aDepth),
                   QPointF(p4.x() - aInset, p4.y() - aDepth), QPointF(p4.x() - aInset, p4.y()), p4,
                   e.p[7], e.p[3]},
                  aScale);
}

QPolygonF notchLower(const Entry &e, double aInset, double aDepth, double aScale)
{
    const QPointF &p3 = e.p[3];
    const QPointF &p7 = e.p[7];
    return scaled({p3, e.p[0], e.p[4], p7, QPointF(p7.x() - aInset, p7.y()),
                   QPointF(p7.x() - aInset, p7.y() + aDepth),
                   QPointF(p3.x() + aInset, p3.y() + aDepth), QPointF(p3.x() + aInset, p3.y()), p3},
                  aScale);
}

// A ring segment turning right: the upper arc of radius aUpper and the lower
// arc of radius aLower, each centred that far below its front corner. With
// aTab the upper arc carries the curved terminal's power tab.
QPolygonF ringRight(const Entry &e, double aUpper, double aLower, bool aTab, double aScale)
{
    const QPointF upperCentre = down(e.p[0], aUpper);
    const QPointF lowerCentre = down(e.p[3], aLower);
    Tracer t(aScale);
    t.moveTo(e.p[3]);
    t.lineTo(e.p[0]);
    if (aTab) {
        const double outer = aUpper + kTerminalTabDepth;
        t.arc(upperCentre, aUpper, 90.0, -22.5);
        t.lineTo(onCircle(upperCentre, outer, 67.5));
        t.lineTo(onCircle(upperCentre, outer, 52.5));
        t.arc(upperCentre, aUpper, 52.5, -(e.theta - 37.5));
    } else {
        t.arc(upperCentre, aUpper, 90.0, -e.theta);
    }
    t.lineTo(e.p[7]);
    t.arc(lowerCentre, aLower, 90.0 - e.theta, e.theta);
    t.lineTo(e.p[3]);
    return t.polygon();
}

// The mirror image: a ring segment turning left, both arcs centred above their
// front corners. With aTab the lower (outer) arc carries the power tab, placed
// as far before the end as the right-hand tab lies after the start.
QPolygonF ringLeft(const Entry &e, double aUpper, double aLower, bool aTab, double aScale)
{
    const QPointF upperCentre = down(e.p[0], -aUpper);
    const QPointF lowerCentre = down(e.p[3], -aLower);
    Tracer t(aScale);
    t.moveTo(e.p[3]);
    t.lineTo(e.p[0]);
    t.arc(upperCentre, aUpper, -90.0, e.theta);
    t.lineTo(e.p[7]);
    if (aTab) {
        const double outer = aLower + kTerminalTabDepth;
        t.arc(lowerCentre, aLower, e.theta - 90.0, -22.5);
        t.lineTo(onCircle(lowerCentre, outer, e.theta - 112.5));
        t.lineTo(onCircle(lowerCentre, outer, e.theta - 127.5));
        t.arc(lowerCentre, aLower, e.theta - 127.5, -(e.theta - 37.5));
    } else {
        t.arc(lowerCentre, aLower, e.theta - 90.0, -e.theta);
    }
    t.lineTo(e.p[3]);
    return t.polygon();
}

QPolygonF transition(Rule aRule, const Entry &e, double aScale)
{
    const double inner = e.r - e.W;
    Tracer t(aScale);
    switch (aRule) {
    case Rule::TransitionRightHandRight:
        t.moveTo(e.p[3]);
        t.lineTo(e.p[0]);
        t.arc(down(e.p[0], inner), inner, 90.0, -e.theta);
        t.lineTo(e.p[7]);
        t.lineTo(e.p[3]);
        break;
    case Rule::TransitionRightHandLeft:
        t.moveTo(e.p[3]);
        t.lineTo(e.p[4]);
        t.lineTo(e.p[7]);
        t.arc(down(e.p[3], -inner), inner, e.theta - 90.0, -e.theta);
        t.lineTo(e.p[3]);
        break;
    case Rule::TransitionLeftHandRight:
        t.moveTo(e.p[3]);
        t.arc(down(e.p[0], inner), inner, 90.0, -e.theta);
        t.lineTo(e.p[7]);
        t.lineTo(e.p[0]);
        break;
    default: // Rule::TransitionLeftHandLeft
        t.moveTo(e.p[3]);
        t.lineTo(e.p[0]);
        t.lineTo(e.p[7]);
        t.arc(down(e.p[3], -inner), inner, e.theta - 90.0, -e.theta);
        t.lineTo(e.p[3]);
        break;
    }
    return t.polygon();
}

QPolygonF bankedCurve(bool aRight, const Entry &e, double aScale)
{
    const QPointF start = down(e.p[3], kBankedWide);
    Tracer t(aScale);
    t.moveTo(start);
    t.lineTo(down(e.p[0], -kBankedWide));
    if (aRight) {
        // The end edge runs radially through the piece's own end point P7, as
        // on the mirror image: a point straight below P7 would stick out past
        // the end of the piece.
        t.arc(down(e.p[0], e.r), e.r + kBankedWide, 90.0, -e.theta);
        t.lineTo(e.p[7]);
        t.arc(down(e.p[3], e.r - e.W), e.r - e.W - kBankedWide, 90.0 - e.theta, e.theta);
    } else {
        t.arc(down(e.p[0], -(e.r - e.W)), e.r - e.W - kBankedWide, -90.0, e.theta);
        t.lineTo(e.p[7]);
        t.arc(down(e.p[3], -e.r), e.r + kBankedWide, e.theta - 90.0, -e.theta);
    }
    t.lineTo(start);
    return t.polygon();
}

// Banked transitions: the bank is aFront wider than the track on each side at
// the front and aBack wider at the back.
QPolygonF bankedTransition(const Entry &e, double aFront, double aBack, double aScale)
{
    const QPointF first = down(e.p[3], aFront);
    return scaled({first, down(e.p[0], -aFront), down(e.p[4], -aBack), down(e.p[7], aBack), first},
                  aScale);
}

QPolygonF outlineFor(Rule aRule, const Entry &e, double aScale)
{
    const double wa = std::abs(e.wa);
    switch (aRule) {
    case Rule::Rectangle:
        return rectangle(e, aScale);
    case Rule::TabLeft:
        return notchUpper(e, 110.0, 50.0, aScale);
    case Rule::TabRight:
        return notchLower(e, 110.0, 50.0, aScale);
    case Rule::DialsLeft:
        return notchUpper(e, 70.0, 100.0, aScale);
    case Rule::DialsRight:
        return notchLower(e, 70.0, 100.0, aScale);
    case Rule::CurveRight:
        return ringRight(e, e.r, e.r - e.W, false, aScale);
    case Rule::CurveLeft:
        return ringLeft(e, e.r - e.W, e.r, false, aScale);
    case Rule::TerminalRight:
        return ringRight(e, e.r, e.r - e.W, true, aScale);
    case Rule::TerminalLeft:
        return ringLeft(e, e.r - e.W, e.r, true, aScale);
    case Rule::InnerApronRight:
        return ringRight(e, e.r - e.W, e.r - e.W - e.wa, false, aScale);
    case Rule::InnerApronLeft:
        return ringLeft(e, e.r - e.W - e.wa, e.r - e.W, false, aScale);
    case Rule::OuterRight:
        return ringRight(e, e.r + wa, e.r, false, aScale);
    case Rule::OuterLeft:
        return ringLeft(e, e.r, e.r + wa, false, aScale);
    case Rule::TransitionRightHandRight:
    case Rule::TransitionRightHandLeft:
    case Rule::TransitionLeftHandRight:
    case Rule::TransitionLeftHandLeft:
        return transition(aRule, e, aScale);
    case Rule::BankedCurveRight:
        return bankedCurve(true, e, aScale);
    case Rule::BankedCurveLeft:
        return bankedCurve(false, e, aScale);
    case Rule::BankedWidening:
        return bankedTransition(e, kBankedNarrow, kBankedWide, aScale);
    case Rule::BankedNarrowing:
        return bankedTransition(e, kBankedWide, kBankedNarrow, aScale);
    }
    return QPolygonF();
}

int findEntry(const RevellTrack *aCatalog, const QString &aPartNumber)
{
    return aCatalog ? aCatalog->findIndex(aPartNumber) : -1;
}

} // namespace

PieceOutline pieceOutline(DiagramTypeBase::DiagramType aType, const RevellTrack *aCatalog,
                          const QString &aDirection, double aScale)
{
    PieceOutline result;
    result.mDiagramType = aType;
    if (aType >= D::R3605 && aType <= D::R3628ob) {
        const D::DiagramType directed = directedAttachmentType(aType, aDirection);
        // Without a side the attachment cannot be drawn at all.
        if (directed == D::R9999)
            return result;
        result.mDiagramType = directed;
    } else if (aType < D::R3600 || aType > D::R3628o_Lbx) {
        result.mPolygon = QVector<QPointF>{QPointF(0, 0), QPointF(0, -77), QPointF(150, -77),
                                           QPointF(150, 0), QPointF(0, 0)};
        return result;
    }

    result.mPartNumber = getPartNumber(result.mDiagramType);
    const int index = findEntry(aCatalog, result.mPartNumber);
    if (index < 0) {
        result.mNotFound = true;
        return result;
    }
    result.mDbIndex = index;
    result.mPolygon =
        outlineFor(ruleFor(result.mDiagramType), Entry(aCatalog->piece(index)), aScale);
    return result;
}

QPainterPath lanePath(DiagramTypeBase::DiagramType aType, int aLane, const RevellTrack *aCatalog,
                      double aScale, bool *aNotFound)
{
    if (aNotFound)
        *aNotFound = false;
    if (aType < D::R3600 || aType > D::F8517_L)
        return QPainterPath();
    const int index = findEntry(aCatalog, getPartNumber(aType));
    if (index < 0) {
        if (aNotFound)
            *aNotFound = true;
        return QPainterPath();
    }
    const Entry e(aCatalog->piece(index));
    const bool odd = aLane % 2 != 0;
    const QPointF s = odd ? e.p[2] : e.p[1];
    const QPointF end = odd ? e.p[6] : e.p[5];

    Tracer t(aScale);
    switch (aType) {
    case D::R3608: {
        // The chicane's kink runs towards the track's centre line.
        const double step = odd ? -23.0 : 23.0;
        t.moveTo(s);
        t.lineTo(s + QPointF(40, 0));
        t.lineTo(s + QPointF(115, step));
        t.lineTo(end + QPointF(-115, step));
        t.lineTo(end + QPointF(-40, 0));
        t.lineTo(end);
        break;
    }
    case D::R3609: {
        // Each lane crosses to the other lane's end point over the middle.
        const QPointF middle(e.L / 2, -e.W / 2);
        const QPointF from = odd ? e.p[2] : e.p[1];
        const QPointF to = odd ? e.p[5] : e.p[6];
        const double rise = odd ? -10.0 : 10.0;
        t.moveTo(from);
        t.lineTo(from + QPointF(50, rise));
        t.lineTo(middle);
        t.lineTo(to + QPointF(-50, -rise));
        t.lineTo(to);
        break;
    }
    case D::R3601_R:
    case D::R3604_R:
    case D::R3621_R:
    case D::R3610_R:
    case D::F8517_R: {
        // Concentric with the piece's own arcs, whose centre lies r - W below
        // the lower edge.
        const double radius = std::abs(s.y()) + (e.r - e.W);
        t.moveTo(s);
        t.arc(down(s, radius), radius, 90.0, -e.theta);
        break;
    }
    case D::R3601_L:
    case D::R3604_L:
    case D::R3621_L:
    case D::R3610_L:
    case D::F8517_L: {
        // Centre r above the lower edge.
        const double radius = e.r - std::abs(s.y());
        t.moveTo(s);
        t.arc(down(s, -radius), radius, -90.0, e.theta);
        break;
    }
    case D::F8519R_R:
    case D::F8519R_L:
    case D::F8514L_R:
    case D::F8514L_L:
        t.moveTo(down(s, kBankedNarrow));
        t.lineTo(down(end, kBankedNarrow));
        break;
    default:
        t.moveTo(s);
        t.lineTo(end);
        break;
    }
    return t.path();
}
