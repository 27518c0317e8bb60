#pragma once

class DiagramScene;
class QGraphicsView;
struct LayoutRecord;

// What one layout tab shows and edits: its view, the scene in it and the
// layout's two records (B is the second lane pair, used only while record A
// has 4 lanes). The main window owns the records and the scene; this record
// only points at them.
struct TabScreen
{
    int mTab = 0; // 1 to 8
    QGraphicsView *mView = nullptr;
    DiagramScene *mScene = nullptr;
    LayoutRecord *mRecordA = nullptr;
    LayoutRecord *mRecordB = nullptr;
};
