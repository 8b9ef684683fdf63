import QtQuick
import QtQuick.Controls.Basic
import QtTest
import UIVantorel
import UIVantorelContent

// The result table as the store hands it groups: rows, halves, labels, colours, language.
Item {
    id: root
    width: 700
    height: 900

    DataTable {
        id: table
    }

    TestCase {
        name: "DataTable"
        when: windowShown

        function item(id, unitLabel, value) {
            return { id: id, group: 0, visible: true, key: "key" + id, unitLabel: unitLabel, value: value }
        }

        // Named descendants of `parent` in item-tree order, visible ones only.
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

        // A text as read: the invisible joins that keep units whole left out.
        function read(t) {
            return t.text.replace(/[\u2060\u200b]/g, "")
        }

        function show(groups) {
            table.tableData = groups
            wait(0)
        }

        function cleanup() {
            welcomeService.handleLanguageSignal("en")
            table.width = root.width
            show([])
        }

        function test_emptyListShowsNoGroup() {
            show([])
            compare(named(table, "groupTitle").length, 0)
            compare(named(table, "resultRow").length, 0)
        }

        function test_itemsPairUpAndAnOddOneLeavesTheRightHalfEmpty() {
            show([{ titleId: 0, items: [item(10, "", "5600"), item(40, "W/m^2", "1.25"), item(39, "", "300(lx)")] },
                  { titleId: 3, items: [item(101, "mW/m^2", "4.0/RG2")] }])
            compare(named(table, "groupTitle").map(function (t) { return t.text }), ["BASE", "BL"])
            var rows = named(table, "resultRow")
            compare(rows.length, 3)
            compare(named(rows[0], "label").map(read),
                    ["Color temperature CCT(K):", "Irradiance Ee(W/m^2):"])
            compare(named(rows[0], "value").map(function (t) { return t.text }), ["5600", "1.25"])
            compare(named(rows[1], "label").map(read), ["Illuminance Lux:"])
            compare(named(rows[1], "rightCell").length, 0)
            compare(named(rows[2], "label").map(read),
                    ["Blue light hazard weighted irradiance Eb(mW/m^2):"])
            compare(named(rows[2], "value")[0].text, "4.0/RG2")

            // The next measurement of as many groups updates the same rows in place.
            var value = named(rows[0], "value")[0]
            show([{ titleId: 0, items: [item(10, "", "5700"), item(40, "W/m^2", "1.30"), item(39, "", "300(lx)")] },
                  { titleId: 1, items: [item(201, "", "2")] }])
            compare(named(table, "resultRow")[0], rows[0])
            compare(value.text, "5700")
            compare(named(table, "groupTitle").map(function (t) { return t.text }), ["BASE", "IR"])
            compare(named(named(table, "resultRow")[2], "label")[0].text, "Red irradiance Red_Ee:")
        }

        function test_rowColoursRestartInEveryGroupAndOuterCornersAreRound() {
            show([{ titleId: 0, items: [item(1, "", "1"), item(2, "", "2"), item(3, "", "3"), item(4, "", "4"),
                                        item(5, "", "5")] },
                  { titleId: 2, items: [item(301, "W/m^2", "7")] }])
            var rows = named(table, "resultRow")
            compare(rows.length, 4)
            verify(Qt.colorEqual(rows[0].color, ThemeManager.dataTableItem1))
            verify(Qt.colorEqual(rows[1].color, ThemeManager.dataTableItem2))
            verify(Qt.colorEqual(rows[2].color, ThemeManager.dataTableItem1))
            verify(Qt.colorEqual(rows[3].color, ThemeManager.dataTableItem1))
            // First row: round top, square bottom; middle: square; last: square top.
            compare(rows[0].radius, 8)
            compare(named(rows[0], "squareBottomCorners").length, 1)
            compare(rows[1].radius, 0)
            compare(rows[2].radius, 8)
            compare(named(rows[2], "squareTopCorners").length, 1)
            // A group of one row keeps all four corners round.
            compare(rows[3].radius, 8)
            compare(named(rows[3], "squareTopCorners").length + named(rows[3], "squareBottomCorners").length, 0)
            compare(named(rows[3], "rightCell").length, 0)
            theme.switchTheme("dark")
            verify(Qt.colorEqual(rows[1].color, ThemeManager.dataTableItem2))
            verify(Qt.colorEqual(ThemeManager.dataTableItem2, "#434750"))
            theme.switchTheme("light")
        }

        // Never cut: the label wraps as far as it needs, between words, and the row grows.
        function test_longLabelWrapsWholeAndTheRowGrows() {
            table.width = 360
            show([{ titleId: 2, items: [item(309, "", "12.5"), item(302, "W/m^2", "1")] }])
            var row = named(table, "resultRow")[0]
            var label = named(row, "label")[0]
            verify(label.lineCount > 3)
            verify(!label.truncated)
            verify(label.contentWidth <= label.width + 0.5)
            verify(label.width <= (row.width - 68) / 2 * 0.6 + 0.5)
            var tallest = Math.max(named(row, "leftCell")[0].height, named(row, "rightCell")[0].height)
            compare(row.height, Math.max(34, tallest + 10))
            verify(row.height > 34)
        }

        function test_unknownIdShowsItsKey() {
            show([{ titleId: 0, items: [item(777, "", "1")] }])
            compare(read(named(table, "label")[0]), "key777:")
        }

        // Titles and labels are looked up in the catalogues in the table's context; values stay.
        function test_catalogueTranslatesTitlesAndLabelsNotValues() {
            var groups = [{ titleId: 0, items: [item(10, "", "5600"), item(40, "W/m^2", "1.25")] },
                          { titleId: 2, items: [item(308, "", "9")] }]
            var expected = {
                de: ["BASIS", "PPFD", "Farbtemperatur CCT(K):", "Bestrahlungsstärke Ee(W/m^2):"],
                zh: ["基础", "植物", "色温CCT(K):", "辐照度Ee(W/m^2):"],
                fr: ["BASE", "PPFD", "Température de couleur CCT(K):", "Éclairement énergétique Ee(W/m^2):"],
                en: ["BASE", "PPFD", "Color temperature CCT(K):", "Irradiance Ee(W/m^2):"]
            }
            for (var code in expected) {
                welcomeService.handleLanguageSignal(code)
                var translated = createTemporaryObject(tableComponent, root, { tableData: groups })
                wait(0)
                var titles = named(translated, "groupTitle").map(function (t) { return t.text })
                var labels = named(translated, "label").map(read)
                compare(titles.concat(labels.slice(0, 2)), expected[code], code)
                compare(named(translated, "value")[0].text, "5600")
            }
        }
    }

    Component {
        id: tableComponent
        DataTable {}
    }
}
