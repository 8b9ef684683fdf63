#include "ReportTexts.h"

#include <QCoreApplication>
#include <QQmlEngine>
#include <iterator>

namespace ReportTexts {

namespace {

struct Pair {
    const char *english;
    const char *chinese;
};

// In the order of Text.
const Pair kTexts[] = {
    {QT_TRANSLATE_NOOP("SaveService", "Spectral Illuminance Test Report"),
     QT_TRANSLATE_NOOP("SaveService", "光谱照度测试报告")},
    {QT_TRANSLATE_NOOP("SaveService", "Experiment Information:"),
     QT_TRANSLATE_NOOP("SaveService", "实验信息")},
    {QT_TRANSLATE_NOOP("SaveService", "Sample Name:%1"), QT_TRANSLATE_NOOP("SaveService", "样品名称：%1")},
    {QT_TRANSLATE_NOOP("SaveService", "Sample Model:%1"), QT_TRANSLATE_NOOP("SaveService", "样品型号：%1")},
    {QT_TRANSLATE_NOOP("SaveService", "Sample No:%1"), QT_TRANSLATE_NOOP("SaveService", "样品编号：%1")},
    {QT_TRANSLATE_NOOP("SaveService", "Manufacturer:%1"), QT_TRANSLATE_NOOP("SaveService", "制造厂商：%1")},
    {QT_TRANSLATE_NOOP("SaveService", "Time:%1"), QT_TRANSLATE_NOOP("SaveService", "测试时间：%1")},
    {QT_TRANSLATE_NOOP("SaveService", "Tester:%1"), QT_TRANSLATE_NOOP("SaveService", "测试人员：%1")},
    {QT_TRANSLATE_NOOP("SaveService", "Device Id:%1"), QT_TRANSLATE_NOOP("SaveService", "测试仪器：%1")},
    {QT_TRANSLATE_NOOP("SaveService", "Integration Time: %1 ms"),
     QT_TRANSLATE_NOOP("SaveService", "积分时间：%1 ms")},
    {QT_TRANSLATE_NOOP("SaveService", "Measurement Parameters"),
     QT_TRANSLATE_NOOP("SaveService", "测量参数")},
    {QT_TRANSLATE_NOOP("SaveService", "%1-Report"), QT_TRANSLATE_NOOP("SaveService", "%1-测试报告")},
};
static_assert(std::size(kTexts) == int(Text::PageTitle) + 1, "one pair per label");

} // namespace

bool isChinese(const QQmlEngine *engine)
{
    return !engine || engine->uiLanguage() == QLatin1String("zh");
}

QString text(Text id, bool chinese)
{
    const Pair &pair = kTexts[int(id)];
    return QCoreApplication::translate("SaveService", chinese ? pair.chinese : pair.english);
}

} // namespace ReportTexts
