#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// The kinds of track piece and attachment, numbered as the toolbox buttons,
// the graphic items and the attachment rules compare them. Each member's text
// is its part number. The enumeration lives in this widget-free base so that
// the core can use it; DiagramItem inherits it, so DiagramItem::DiagramType
// names the same type.
class DiagramTypeBase
{
    Q_GADGET
public:
    enum DiagramType {
        // two-lane track pieces
        R3600, R3620, R3620dc, R3602_R, R3602_L, R3608, R3609, R3627_R, R3627_L,
        R3601_R, R3601_L, R3604_R, R3604_L, R3621_R, R3621_L, R3610_R, R3610_L,
        F8519R_R, F8519R_L, F8514L_R, F8514L_L, F8517_R, F8517_L,
        // straight transition aprons (23..26)
        R3603R_FU, R3603R_BL, R3603L_BU, R3603L_FL,
        // curve aprons (27..34)
        R3605_R, R3605_L, R3611_R, R3611_L, R3612_R, R3612_L, R3613_R, R3613_L,
        // full straight aprons (35, 36)
        R3614_U, R3614_L,
        // curved transitions (37..44)
        R3615R_R, R3615R_L, R3615L_R, R3615L_L, R3616R_R, R3616R_L, R3616L_R, R3616L_L,
        // short straight aprons (45..48)
        R3620a_U, R3620a_L, R3620dca_U, R3620dca_L,
        // half-curve aprons (49..52)
        R3621o_R, R3621o_L, R3621i_R, R3621i_L,
        // banked transition aprons (53..56)
        F7054R_FU, F7054R_BL, F7053L_BU, F7053L_FL,
        // curve crash fences: four right ones, then four left ones (57..64)
        R3617g_R, R3617w_R, R3618g_R, R3618w_R, R3617g_L, R3617w_L, R3618g_L, R3618w_L,
        // orange curve and banked fences (65..70)
        R3628o_R14, R3628o_L14, R3628o_R21, R3628o_L21, R3628o_Rb, R3628o_Lb,
        // orange straight and banked-transition fences (71..76)
        R3628o_Us, R3628o_Ls, R3628o_Rbe, R3628o_Rbx, R3628o_Lbe, R3628o_Lbx,
        // undirected curve attachments (77..90)
        R3605, R3611, R3612, R3613, R3621o, R3621i, R3617g, R3617w, R3618g, R3618w,
        R3628o14, R3628o21, R3628ob, R3628os,
        // banked turn selections (91, 92): left before right
        R3625_L, R3625_R,
        // four-lane pairs (93..104)
        R3600R3600, R3602R3600, R3600R3602, R3602R3602, R3608R3608, R3609R3609, R3620R3620,
        R3620dcR3620dc, R3601R3610_R, R3601R3610_L, R3621R3610_R, R3621R3610_L,
        // counts the members and stands for no type
        R9999
    };
    Q_ENUM(DiagramType)
};

// Fills aList with the 105 part-number texts in value order (entry i names value i).
void initDiagramTypeList(QStringList &aList);
// Text of a value; "unknown" for a value outside 0..104, which the caller
// goes on with (a tool tip, a failed catalog look-up). Every value the program
// passes comes from its own tables, so there is nothing to tell the user.
QString getPartNumber(DiagramTypeBase::DiagramType aType);
// Value whose text equals aPartNumber exactly, searched in aList; -1 when none.
int getDiagramType(const QString &aPartNumber, const QStringList &aList);
// The same in the program's own list of the 105 texts.
int diagramTypeOf(const QString &aPartNumber);
// Directed member of an undirected curve attachment kind (77..89) for the
// direction "right" or "left"; R9999 for any other kind or direction.
DiagramTypeBase::DiagramType directedAttachmentType(DiagramTypeBase::DiagramType aType,
                                                    const QString &aDirection);
