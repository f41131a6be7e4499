#pragma once
#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

#include "report/attempt_log.h"
#include "report/class_summary.h"

// Every attempt of the class as a table; sorting uses the values, not the texts.
class AttemptsModel : public QAbstractTableModel {
public:
    enum Column { Pupil, Module, Part, Date, Start, Result, Seconds, ColumnCount };
    explicit AttemptsModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}
    void setAttempts(const std::vector<LoggedAttempt>* attempts);
    const LoggedAttempt& attempt(int row) const { return (*attempts_)[size_t(row)]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const std::vector<LoggedAttempt>* attempts_ = nullptr;
};

// The filter bar's choice applied to the table.
class AttemptsFilterModel : public QSortFilterProxyModel {
public:
    explicit AttemptsFilterModel(QObject* parent = nullptr);
    void setFilter(const AttemptFilter& filter);
    // The attempts shown, in the order shown.
    std::vector<const LoggedAttempt*> shown() const;

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;
    // Compares the attempts themselves: no texts made for a sort of 300,000 rows.
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    AttemptFilter filter_;
};
