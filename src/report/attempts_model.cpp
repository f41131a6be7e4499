#include "report/attempts_model.h"

void AttemptsModel::setAttempts(const std::vector<LoggedAttempt>* attempts) {
    beginResetModel();
    attempts_ = attempts;
    endResetModel();
}

int AttemptsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !attempts_ ? 0 : int(attempts_->size());
}

int AttemptsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant AttemptsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const LoggedAttempt& a = attempt(index.row());
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
            case Pupil: return a.pupil;
            case Module: return a.module;
            case Part: return a.part;
            case Date: return a.date.toString(QStringLiteral("dd.MM.yyyy"));
            case Start: return a.start.toString(QStringLiteral("H:mm:ss"));
            case Result: return a.resultText();
            case Seconds: return a.seconds;
        }
    }
    if (role == Qt::ToolTipRole) return QStringLiteral("%1, рядок %2").arg(a.file).arg(a.lineNumber);
    if (role == Qt::TextAlignmentRole && index.column() >= Date)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant AttemptsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const titles[] = {"Учень", "Модуль", "Частина", "Дата", "Початок", "Помилки", "Секунди"};
    return QString::fromUtf8(titles[section]);
}

AttemptsFilterModel::AttemptsFilterModel(QObject* parent) : QSortFilterProxyModel(parent) {
}

bool AttemptsFilterModel::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const auto* model = static_cast<const AttemptsModel*>(sourceModel());
    const LoggedAttempt& a = model->attempt(left.row());
    const LoggedAttempt& b = model->attempt(right.row());
    const auto when = [](const LoggedAttempt& x) { return std::make_pair(x.date, x.start); };
    switch (left.column()) {
        case AttemptsModel::Pupil: return a.pupil.localeAwareCompare(b.pupil) < 0;
        case AttemptsModel::Module: return a.module < b.module;
        case AttemptsModel::Part: return a.part < b.part;
        case AttemptsModel::Start: return a.start < b.start;
        case AttemptsModel::Result: return a.errors < b.errors;
        case AttemptsModel::Seconds: return a.seconds < b.seconds;
        default: return when(a) < when(b);
    }
}

void AttemptsFilterModel::setFilter(const AttemptFilter& filter) {
    filter_ = filter;
    invalidateFilter();
}

bool AttemptsFilterModel::filterAcceptsRow(int row, const QModelIndex&) const {
    const auto* model = static_cast<const AttemptsModel*>(sourceModel());
    return filter_.accepts(model->attempt(row));
}

std::vector<const LoggedAttempt*> AttemptsFilterModel::shown() const {
    const auto* model = static_cast<const AttemptsModel*>(sourceModel());
    std::vector<const LoggedAttempt*> list;
    list.reserve(size_t(rowCount()));
    for (int r = 0; r < rowCount(); ++r) list.push_back(&model->attempt(mapToSource(index(r, 0)).row()));
    return list;
}
