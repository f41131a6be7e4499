#pragma once
#include <QMainWindow>

#include "report/attempt_log.h"
#include "report/attempts_model.h"

class QComboBox;
class QDateEdit;
class QTableView;
class QTableWidget;
class QTabWidget;
class DayChart;

// The teacher's window over a class's results: every attempt (sortable, filtered
// by pupil, module and dates), a pupil × module summary, a chart over the dates,
// and the lines that could not be read. Reads only.
class ReportWindow : public QMainWindow {
public:
    explicit ReportWindow(QWidget* parent = nullptr);
    void openFolders(const QStringList& folders);

    // For tests and automation.
    AttemptsFilterModel* table() const { return filter_; }
    QTableWidget* summary() const { return summary_; }
    QTableWidget* unread() const { return unread_; }
    QComboBox* pupilChoice() const { return pupil_; }
    QComboBox* moduleChoice() const { return module_; }
    QDateEdit* fromDate() const { return from_; }
    QDateEdit* toDate() const { return to_; }
    DayChart* chart() const { return chart_; }
    QString documentHtml() const;

private:
    void chooseFolder();
    void reload();
    void applyFilter();
    void fillSummary(const std::vector<const LoggedAttempt*>& shown);
    void fillChart(const std::vector<const LoggedAttempt*>& shown);
    void fillUnread();
    void exportCsv();
    void print();
    void savePdf();

    QStringList folders_;
    ClassLog log_;
    AttemptsModel* model_;
    AttemptsFilterModel* filter_;
    QComboBox* pupil_;
    QComboBox* module_;
    QDateEdit* from_;
    QDateEdit* to_;
    QTabWidget* tabs_;
    QTableView* view_;
    QTableWidget* summary_;
    QTableWidget* unread_;
    DayChart* chart_;
};
