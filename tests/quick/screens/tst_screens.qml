import QtQuick
import QtQuick.Controls.Basic
import QtTest
import AppEnums 1.0
import UIVantorelContent

// Pieces of the measuring screens on their own: the result table as the store hands it
// groups, and the report form.
Item {
    id: root
    width: 1552
    height: 882

    Item { id: tableArea; width: 700; height: 900; DataTable { id: table } } // the table fills its parent
    KVRExportDialog { id: dialog }

    SignalSpy { id: finished; target: saveService; signalName: "saveFinished" }

    TestCase {
        name: "MeasuringScreenPieces"
        when: windowShown

        // Visible descendants of `parent` named `name`, in item-tree order.
        function named(parent, name) {
            var found = []
            for (var i = 0; i < parent.children.length; ++i) {
                var child = parent.children[i]
                if (!child.visible)
                    continue
                if (child.objectName === name)
                    found.push(child)
                found = found.concat(named(child, name))
            }
            return found
        }

        // Texts as read: the invisible joins that keep units whole left out.
        function texts(items) { return items.map(function (t) { return t.text.replace(/[\u2060\u200b]/g, "") }) }

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

        function test_tableRowsPairItemsAndNameUnknownOnesByKey() {
            function item(id, unitLabel, value) {
                return { id: id, group: 0, visible: true, key: "key" + id, unitLabel: unitLabel, value: value }
            }
            table.tableData = [{ titleId: 0, items: [item(10, "", "5600"), item(40, "W/m^2", "1.25"), item(777, "", "3")] },
                               { titleId: 3, items: [item(101, "mW/m^2", "4.0/RG2")] }]
            wait(0)
            compare(texts(named(table, "groupTitle")), ["BASE", "BL"])
            var rows = named(table, "resultRow")
            compare(rows.length, 3)
            compare(texts(named(rows[0], "label")), ["Color temperature CCT(K):", "Irradiance Ee(W/m^2):"])
            compare(texts(named(rows[0], "value")), ["5600", "1.25"])
            compare(texts(named(rows[1], "label")), ["key777:"])
            compare(named(rows[1], "rightCell").length, 0)
            compare(named(rows[2], "value")[0].text, "4.0/RG2")
            // The next measurement of as many groups updates the same rows in place.
            var value = named(rows[0], "value")[0]
            table.tableData = [{ titleId: 0, items: [item(10, "", "5700"), item(40, "W/m^2", "1.30"), item(777, "", "3")] },
                               { titleId: 1, items: [item(201, "", "2"), item(307, "", "1.67")] }]
            wait(0)
            compare(named(table, "resultRow")[0], rows[0])
            compare(value.text, "5700")
            compare(texts(named(table, "groupTitle")), ["BASE", "IR"])
            // A plain ratio, not a percentage.
            compare(texts(named(named(table, "resultRow")[2], "label")), ["Red irradiance Red_Ee:", "Red blue irradiance ratio Erb_Ratio:"])
        }

        // Never cut: a long label wraps as far as it needs, between words, and the row grows.
        function test_longLabelWrapsWholeAndTheRowGrows() {
            tableArea.width = 360
            table.tableData = [{ titleId: 2, items: [{ id: 309, group: 0, visible: true, key: "k", unitLabel: "", value: "12.5" },
                                                     { id: 302, group: 0, visible: true, key: "k", unitLabel: "W/m^2", value: "1" }] }]
            wait(0)
            var row = named(table, "resultRow")[0]
            var label = named(row, "label")[0]
            verify(label.lineCount > 3 && !label.truncated, label.text)
            verify(label.contentWidth <= label.width + 0.5)
            var tallest = Math.max(named(row, "leftCell")[0].height, named(row, "rightCell")[0].height)
            compare(row.height, Math.max(34, tallest + 10))
            tableArea.width = 700
        }

        function test_reportFormRefreshesTheTimeAndKeepsTheRest() {
            field("sampleName").text = "Lamp A"
            field("testTime").text = "edited"
            dialog.visible = true
            tryVerify(function () { return field("testTime").text !== "edited" })
            verify(/^\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2}$/.test(field("testTime").text))
            compare(field("sampleName").text, "Lamp A")
            finished.clear()
            dialog.exportType = SaveService.SAVE_PHOTOMETRIC
            waitForRendering(dialog.contentItem)
            mouseClick(field("exportConfirmButton"))
            compare(finished.count, 1)
            verify(!dialog.visible)
        }

        // The form covers the base's OK button but lets a press on its place through.
        function test_pressOnTheCoveredOkButtonClosesWithoutExport() {
            finished.clear()
            dialog.visible = true
            waitForRendering(dialog.contentItem)
            mouseClick(field("acceptButton"))
            tryVerify(function () { return !dialog.visible })
            compare(finished.count, 0)
        }
    }
}
