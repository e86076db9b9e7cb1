#include "notes/NotesExchange.h"

#include "notes/BoxText.h"
#include "notes/frmNotes.h"
#include "store/Exchange.h"
#include "store/Store.h"

#include <QAction>
#include <QPlainTextEdit>

namespace orvelle {

void ConnectNotesExchange(frmNotes& w, Store& s) {
    auto item = [&w](const char* name) { return w.findChild<QAction*>(name); };

    QAction* exportItem = item("mnuFileExport");
    exportItem->setEnabled(true);
    QObject::connect(exportItem, &QAction::triggered, &w, [&w, &s] {
        s.notes.gExportingNotes = true;
        s.notes.gNotesBoxText = FromBoxText(BoxTextOf(w.txtNotes()));
        SaveExternalNotes(s);
    });

    QAction* assign = item("mnuFileExportNotesAndAssign");
    assign->setEnabled(bool(s.hooks.ShowContactList));
    QObject::connect(assign, &QAction::triggered, &w, [&s] {
        if (!s.hooks.ShowContactList) return;
        s.notes.gExportingNotes = true;
        s.hooks.ShowContactList(ExportKind::Notes);
    });

    QAction* import = item("mnuFileImport");
    import->setEnabled(bool(s.hooks.ShowFileDialog));
    QObject::connect(import, &QAction::triggered, &w, [&s] {
        if (s.hooks.ShowFileDialog) s.hooks.ShowFileDialog(FileDialogMode::NotesImport);
    });
}

} // namespace orvelle
