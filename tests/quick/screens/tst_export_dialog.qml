import QtQuick
import QtQuick.Controls.Basic
import QtTest
import AppEnums 1.0
import UIVantorelContent

// The report form: what it keeps between showings, what it refreshes, and that an export
// hides it once the back end has answered.
Item {
    id: root

    KVRExportDialog {
        id: dialog
    }

    SignalSpy {
        id: finished
        target: saveService
        signalName: "saveFinished"
    }

    TestCase {
        name: "ExportDialog"
        when: windowShown

        // By objectName among the dialog's items and the windows it holds.
        function field(name, parent) {
            var objects = parent === undefined ? dialog.contentItem.data : (parent.data || [])
            for (var i = 0; i < objects.length; ++i) {
                if (objects[i].objectName === name)
                    return objects[i]
                var found = field(name, objects[i])
                if (found)
                    return found
            }
            return null
        }

        function cleanup() {
            dialog.visible = false
            dialog.exportType = SaveService.SAVE_SPECTRUM
        }

        function test_exportTypeDefaultsToSpectrum() {
            compare(dialog.exportType, SaveService.SAVE_SPECTRUM)
            compare(dialog.boxWidth, 600)
            compare(dialog.boxHeight, 380)
        }

        function test_showingPutsTheTimeInAndKeepsTheRest() {
            field("sampleName").text = "Lamp A"
            field("testTime").text = "edited"
            dialog.visible = true
            tryVerify(function () { return field("testTime").text !== "edited" })
            var shown = field("testTime").text
            verify(/^\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2}$/.test(shown), shown)
            var now = new Date()
            var stamp = Date.parse(shown.replace(" ", "T"))
            verify(Math.abs(now.getTime() - stamp) < 5 * 60 * 1000, shown)
            compare(field("sampleName").text, "Lamp A")
            field("testTime").text = "typed by hand"
            dialog.visible = false
            compare(field("testTime").text, "typed by hand")
            dialog.visible = true
            tryVerify(function () { return field("testTime").text !== "typed by hand" })
            compare(field("sampleName").text, "Lamp A")
        }

        function test_exportHandsOverAndHides() {
            finished.clear()
            dialog.exportType = SaveService.SAVE_PHOTOMETRIC
            dialog.visible = true
            waitForRendering(dialog.contentItem)
            mouseClick(field("exportConfirmButton"))
            compare(finished.count, 1)
            verify(!dialog.visible)
        }

        // The form covers the base's OK button but lets a press on its place through.
        function test_pressOnTheCoveredOkButtonClosesWithoutExport() {
            finished.clear()
            dialog.visible = true
            tryVerify(function () { return field("testTime").text !== "" })
            waitForRendering(dialog.contentItem)
            var ok = field("acceptButton")
            verify(ok)
            mouseClick(ok)
            tryVerify(function () { return !dialog.visible })
            compare(finished.count, 0)
        }
    }
}
