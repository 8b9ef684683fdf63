import QtQuick

Rectangle {
    width: 1920
    height: 1080
}
