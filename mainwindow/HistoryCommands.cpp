// Undo and redo: each a write like any other, then the file shown with the item it changed selected.
#include "mainwindow/TForm1.h"

// A restore changed the whole file: the selection stays where it was.
void TForm1::StepHistory(bool back) {
    const HistoryStep* step = back ? document.history().undoable() : document.history().redoable();
    if (!step) return;
    Selection picked = selectionIn(tree);
    bool wholeFile = step->scope == HistoryStep::Scope::File;
    const std::string section = wholeFile ? picked.section : step->section;
    const std::string key = wholeFile ? picked.key : step->key;
    if (!(back ? document.undo() : document.redo())) return;
    ShowFileAt(section, key);
}
