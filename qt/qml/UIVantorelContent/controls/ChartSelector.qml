import QtQuick
import UIVantorelContent

// A chart selector whose entries are translated texts. The entries are renamed in place
// on a language switch: a new model would put the selector back on its first entry.
KVRComboBox {
    id: selector

    // The entries as shown, in the current language.
    property var entries: []

    function renameEntries() {
        for (var i = 0; i < entries.length; ++i) {
            if (i < entryModel.count)
                entryModel.setProperty(i, "text", entries[i])
            else
                entryModel.append({ text: entries[i] })
        }
        while (entryModel.count > entries.length)
            entryModel.remove(entryModel.count - 1)
    }

    implicitWidth: 180
    textRole: "text"
    model: ListModel {
        id: entryModel
    }
    onEntriesChanged: renameEntries()
    Component.onCompleted: renameEntries()
}
