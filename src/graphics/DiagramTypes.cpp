#include "DiagramTypes.h"

#include <QMetaEnum>

namespace {

const QMetaEnum &diagramTypeEnum()
{
    static const QMetaEnum e = QMetaEnum::fromType<DiagramTypeBase::DiagramType>();
    return e;
}

} // namespace

void initDiagramTypeList(QStringList &aList)
{
    aList.clear();
    const QMetaEnum &e = diagramTypeEnum();
    for (int value = 0; value < DiagramTypeBase::R9999; ++value)
        aList.append(QString::fromLatin1(e.valueToKey(value)));
}

namespace {

// Every piece item asks for its text: the texts are made once and shared.
const QStringList &partNumberTexts()
{
    static const QStringList kTexts = [] {
        QStringList texts;
        initDiagramTypeList(texts);
        return texts;
    }();
    return kTexts;
}

} // namespace

QString getPartNumber(DiagramTypeBase::DiagramType aType)
{
    const bool known = aType >= 0 && aType < DiagramTypeBase::R9999;
    return known ? partNumberTexts().at(aType) : QStringLiteral("unknown");
}

int getDiagramType(const QString &aPartNumber, const QStringList &aList)
{
    return aList.indexOf(aPartNumber);
}

int diagramTypeOf(const QString &aPartNumber)
{
    return partNumberTexts().indexOf(aPartNumber);
}

DiagramTypeBase::DiagramType directedAttachmentType(DiagramTypeBase::DiagramType aType,
                                                    const QString &aDirection)
{
    using D = DiagramTypeBase;
    struct Pair
    {
        D::DiagramType right;
        D::DiagramType left;
    };
    // Indexed by aType - R3605; R3628os has no directed form.
    static const Pair kPairs[] = {
        {D::R3605_R, D::R3605_L},       {D::R3611_R, D::R3611_L},
        {D::R3612_R, D::R3612_L},       {D::R3613_R, D::R3613_L},
        {D::R3621o_R, D::R3621o_L},     {D::R3621i_R, D::R3621i_L},
        {D::R3617g_R, D::R3617g_L},     {D::R3617w_R, D::R3617w_L},
        {D::R3618g_R, D::R3618g_L},     {D::R3618w_R, D::R3618w_L},
        {D::R3628o_R14, D::R3628o_L14}, {D::R3628o_R21, D::R3628o_L21},
        {D::R3628o_Rb, D::R3628o_Lb},
    };
    if (aType < D::R3605 || aType > D::R3628ob)
        return D::R9999;
    const Pair &pair = kPairs[aType - D::R3605];
    if (aDirection == QLatin1String("right"))
        return pair.right;
    if (aDirection == QLatin1String("left"))
        return pair.left;
    return D::R9999;
}
