#include "report/report_window.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QShortcut>
#include <QStatusBar>
#include <QTableView>
#include <QTableWidget>
#include <QTabWidget>
#include <QTextDocument>
#include <QToolBar>
#include <set>

#include "report/class_summary.h"
#include "report/day_chart.h"

namespace {
QTableWidget* newTable(const QStringList& headings) {
    auto* t = new QTableWidget(0, int(headings.size()));
    t->setHorizontalHeaderLabels(headings);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

QString escaped(const QString& s) { return s.toHtmlEscaped(); }
}  // namespace

ReportWindow::ReportWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Математика 6 — результати"));
    model_ = new AttemptsModel(this);
    filter_ = new AttemptsFilterModel(this);
    filter_->setSourceModel(model_);

    auto* file = menuBar()->addMenu(QStringLiteral("&Файл"));
    auto* tools = addToolBar(QStringLiteral("Дії"));
    tools->setMovable(false);
    const auto action = [&](const QString& text, const QKeySequence& keys, void (ReportWindow::*slot)()) {
        auto* a = new QAction(text, this);
        a->setShortcut(keys);
        connect(a, &QAction::triggered, this, slot);
        file->addAction(a);
        tools->addAction(a);
        return a;
    };
    action(QStringLiteral("Відкрити теку…"), QKeySequence::Open, &ReportWindow::chooseFolder);
    action(QStringLiteral("Оновити"), QKeySequence(Qt::Key_F5), &ReportWindow::reload);
    action(QStringLiteral("Експорт у CSV…"), QKeySequence(Qt::CTRL | Qt::Key_E), &ReportWindow::exportCsv);
    action(QStringLiteral("Друк…"), QKeySequence::Print, &ReportWindow::print);
    action(QStringLiteral("Зберегти як PDF…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), &ReportWindow::savePdf);
    file->addSeparator();
    auto* quit = file->addAction(QStringLiteral("Вихід"));
    quit->setShortcut(QKeySequence::Quit);
    connect(quit, &QAction::triggered, this, &QWidget::close);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    auto* bar = new QHBoxLayout;
    const auto labelled = [&](const QString& text, QWidget* w) {
        auto* l = new QLabel(text);
        l->setBuddy(w);
        bar->addWidget(l);
        bar->addWidget(w);
    };
    pupil_ = new QComboBox;
    module_ = new QComboBox;
    pupil_->setMinimumContentsLength(14);
    module_->setMinimumContentsLength(22);
    from_ = new QDateEdit;
    to_ = new QDateEdit;
    for (QDateEdit* d : {from_, to_}) {
        d->setCalendarPopup(true);
        d->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    }
    labelled(QStringLiteral("&Учень:"), pupil_);
    labelled(QStringLiteral("&Модуль:"), module_);
    labelled(QStringLiteral("&Від:"), from_);
    labelled(QStringLiteral("&До:"), to_);
    bar->addStretch();
    layout->addLayout(bar);
    // A screen reader says these names; the labels' shortcuts reach the same boxes.
    pupil_->setAccessibleName(QStringLiteral("Учень"));
    module_->setAccessibleName(QStringLiteral("Модуль"));
    from_->setAccessibleName(QStringLiteral("Від дати"));
    to_->setAccessibleName(QStringLiteral("До дати"));
    connect(pupil_, &QComboBox::currentIndexChanged, this, &ReportWindow::applyFilter);
    connect(module_, &QComboBox::currentIndexChanged, this, &ReportWindow::applyFilter);
    connect(from_, &QDateEdit::dateChanged, this, &ReportWindow::applyFilter);
    connect(to_, &QDateEdit::dateChanged, this, &ReportWindow::applyFilter);

    tabs_ = new QTabWidget;
    view_ = new QTableView;
    view_->setModel(filter_);
    // The attempts come in order of time; a header click sorts by another column.
    view_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    view_->setSortingEnabled(true);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->verticalHeader()->hide();
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view_->horizontalHeader()->setResizeContentsPrecision(500);  // wide enough from the first rows
    view_->setAlternatingRowColors(true);
    tabs_->addTab(view_, QStringLiteral("&Спроби"));
    summary_ = newTable({QStringLiteral("Учень"), QStringLiteral("Модуль"), QStringLiteral("Спроб"),
                         QStringLiteral("Остання"), QStringLiteral("Найкраща"), QStringLiteral("Середній час, c")});
    summary_->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    summary_->setSortingEnabled(true);
    tabs_->addTab(summary_, QStringLiteral("П&ідсумок"));
    chart_ = new DayChart;
    tabs_->addTab(chart_, QStringLiteral("&Графік"));
    unread_ = newTable({QStringLiteral("Файл"), QStringLiteral("Рядок"), QStringLiteral("Текст"), QStringLiteral("Чому")});
    tabs_->addTab(unread_, QStringLiteral("&Нечитані рядки"));
    layout->addWidget(tabs_);
    tabs_->setAccessibleName(QStringLiteral("Звіти"));
    view_->setAccessibleName(QStringLiteral("Спроби"));
    summary_->setAccessibleName(QStringLiteral("Підсумок"));
    chart_->setAccessibleName(QStringLiteral("Графік помилок за днями"));
    unread_->setAccessibleName(QStringLiteral("Нечитані рядки"));
    // Ctrl+1 … Ctrl+4 reach the tabs whatever the keyboard's layout (Ctrl+Tab goes round them too).
    for (int i = 0; i < tabs_->count(); ++i) {
        auto* key = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + i)), this);
        connect(key, &QShortcut::activated, tabs_, [this, i] { tabs_->setCurrentIndex(i); });
    }
    setCentralWidget(central);
    resize(1100, 700);
}

void ReportWindow::chooseFolder() {
    const QString dir = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Тека з результатами (одного учня або всього класу)"), folders_.value(0));
    if (!dir.isEmpty()) openFolders({dir});
}

void ReportWindow::openFolders(const QStringList& folders) {
    folders_ = folders;
    reload();
}

void ReportWindow::reload() {
    model_->setAttempts(nullptr);
    log_ = ReadClass(folders_);
    model_->setAttempts(&log_.attempts);

    QSignalBlocker b1(pupil_), b2(module_), b3(from_), b4(to_);
    const QString pupil = pupil_->currentData().toString(), module = module_->currentData().toString();
    pupil_->clear();
    module_->clear();
    pupil_->addItem(QStringLiteral("усі учні"), QString());
    module_->addItem(QStringLiteral("усі модулі"), QString());
    std::set<QString> modules;
    QDate first, last;
    for (const LoggedAttempt& a : log_.attempts) {
        modules.insert(a.module);
        if (!first.isValid() || a.date < first) first = a.date;
        if (!last.isValid() || a.date > last) last = a.date;
    }
    QStringList pupils = log_.pupils;
    pupils.sort(Qt::CaseInsensitive);
    for (const QString& p : pupils) pupil_->addItem(p, p);
    for (const QString& m : modules) module_->addItem(m, m);
    pupil_->setCurrentIndex(std::max(0, pupil_->findData(pupil)));
    module_->setCurrentIndex(std::max(0, module_->findData(module)));
    const QDate today = QDate::currentDate();
    from_->setDate(first.isValid() ? first : today);
    to_->setDate(last.isValid() ? last : today);
    fillUnread();
    applyFilter();
    view_->resizeColumnsToContents();
    for (const QString& p : log_.problems) statusBar()->showMessage(QStringLiteral("Не вдалося прочитати: ") + QDir::toNativeSeparators(p));
}

void ReportWindow::applyFilter() {
    AttemptFilter f;
    f.pupil = pupil_->currentData().toString();
    f.module = module_->currentData().toString();
    f.from = from_->date();
    f.to = to_->date();
    filter_->setFilter(f);
    const auto shown = filter_->shown();
    fillSummary(shown);
    fillChart(shown);
    statusBar()->showMessage(QStringLiteral("Учнів: %1   спроб: %2 (показано %3)   нечитаних рядків: %4")
                                 .arg(log_.pupils.size())
                                 .arg(log_.attempts.size())
                                 .arg(shown.size())
                                 .arg(log_.unread.size()));
}

void ReportWindow::fillSummary(const std::vector<const LoggedAttempt*>& shown) {
    const auto rows = Summarise(shown);
    summary_->setSortingEnabled(false);
    summary_->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        const SummaryRow& s = rows[size_t(r)];
        const QStringList cells = {s.pupil, s.module, QString::number(s.attempts), s.last, s.best,
                                   QString::number(s.meanSeconds, 'f', 0)};
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem;
            if (c == 2 || c == 5) {
                item->setData(Qt::DisplayRole, c == 2 ? QVariant(s.attempts) : QVariant(qRound(s.meanSeconds)));
            } else {
                item->setText(cells[c]);
            }
            summary_->setItem(r, c, item);
        }
    }
    summary_->setSortingEnabled(true);
    summary_->resizeColumnsToContents();
}

void ReportWindow::fillChart(const std::vector<const LoggedAttempt*>& shown) {
    // One line a module: the mean result of each day (errors, or per cent for the tests).
    const QString who = pupil_->currentIndex() > 0 ? pupil_->currentText() : QStringLiteral("увесь клас");
    chart_->setSeries(ErrorsByDay(shown),
                      QStringLiteral("Помилки за днями — ") + who + QStringLiteral(" (у контрольних — відсоток)"));
}

void ReportWindow::fillUnread() {
    unread_->setRowCount(int(log_.unread.size()));
    for (int r = 0; r < int(log_.unread.size()); ++r) {
        const UnreadLine& u = log_.unread[size_t(r)];
        const QStringList cells = {QDir::toNativeSeparators(u.file), QString::number(u.lineNumber), u.text, u.reason};
        for (int c = 0; c < cells.size(); ++c) unread_->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    unread_->resizeColumnsToContents();
    tabs_->setTabText(3, QStringLiteral("&Нечитані рядки (%1)").arg(log_.unread.size()));
}

void ReportWindow::exportCsv() {
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Експорт у CSV"),
                                                      QStringLiteral("результати.csv"),
                                                      QStringLiteral("Таблиця CSV (*.csv)"));
    if (path.isEmpty()) return;
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(AttemptsCsv(filter_->shown())) < 0) {
        QMessageBox::warning(this, windowTitle(), QStringLiteral("Не вдалося записати файл %1").arg(QDir::toNativeSeparators(path)));
    }
}

QString ReportWindow::documentHtml() const {
    QString html = QStringLiteral("<h2>Математика 6 — результати</h2><p>%1, %2, %3 — %4</p>")
                       .arg(escaped(pupil_->currentText()), escaped(module_->currentText()),
                            from_->date().toString(QStringLiteral("dd.MM.yyyy")),
                            to_->date().toString(QStringLiteral("dd.MM.yyyy")));
    html += QStringLiteral("<table border=1 cellspacing=0 cellpadding=3><tr>");
    for (int c = 0; c < AttemptsModel::ColumnCount; ++c)
        html += QStringLiteral("<th>") + escaped(model_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString()) + QStringLiteral("</th>");
    html += QStringLiteral("</tr>");
    for (int r = 0; r < filter_->rowCount(); ++r) {
        html += QStringLiteral("<tr>");
        for (int c = 0; c < AttemptsModel::ColumnCount; ++c)
            html += QStringLiteral("<td>") + escaped(filter_->index(r, c).data().toString()) + QStringLiteral("</td>");
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

void ReportWindow::print() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    QTextDocument doc;
    doc.setHtml(documentHtml());
    doc.print(&printer);
}

void ReportWindow::savePdf() {
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Зберегти як PDF"), QStringLiteral("результати.pdf"),
                                                      QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty()) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QTextDocument doc;
    doc.setHtml(documentHtml());
    doc.print(&printer);
}
