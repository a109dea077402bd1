#include "application_title.h"

namespace quarnel {

QString applicationTitle(const QString& executablePath) {
    const qsizetype lastSeparator =
        std::max(executablePath.lastIndexOf(u'/'), executablePath.lastIndexOf(u'\\'));
    QString name = executablePath.mid(lastSeparator + 1);
    const qsizetype firstStop = name.indexOf(u'.');
    if (firstStop >= 0)
        name.truncate(firstStop);
    if (name.isEmpty())
        return name;
    return name.left(1) + name.mid(1).toLower();
}

} // namespace quarnel
