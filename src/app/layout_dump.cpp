#include "app/layout_dump.h"

#include <QRegularExpression>
#include <algorithm>

#include "app/data_folder.h"
#include "app/screen.h"
#include "core/text_file.h"

namespace {
const QStringList kKindOrder = {QStringLiteral("button"),   QStringLiteral("checkbox"), QStringLiteral("edit"),
                                QStringLiteral("combobox"), QStringLiteral("label"),    QStringLiteral("image"),
                                QStringLiteral("stringgrid")};
}

QStringList LayoutDumpLines(const Screen& screen) {
    static const QRegularExpression nameParts(QStringLiteral("^([A-Za-z]+?)(\\d+)$"));
    struct Entry {
        int kind;
        int number;
        QString name;
        QRect rect;
    };
    std::vector<Entry> entries;
    for (const QWidget* w : screen.controls()) {
        if (w->isHidden() || w == screen.dumpButton()) continue;
        const auto match = nameParts.match(w->objectName());
        if (!match.hasMatch()) continue;
        const QString kind = match.captured(1).toLower();
        const int order = static_cast<int>(kKindOrder.indexOf(kind));
        entries.push_back({order < 0 ? int(kKindOrder.size()) : order, match.captured(2).toInt(), kind + match.captured(2),
                           screen.designRect(w)});
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.kind != b.kind ? a.kind < b.kind : a.number < b.number;
    });
    QStringList lines;
    for (const Entry& e : entries) {
        lines << QStringLiteral("%1.Left:=%2;").arg(e.name).arg(e.rect.left());
        lines << QStringLiteral("%1.Top:=%2;").arg(e.name).arg(e.rect.top());
    }
    return lines;
}

void DumpLayout(const Screen& screen) { RewriteTextLines(DataPath(QStringLiteral("zzkf.txt")), LayoutDumpLines(screen)); }
