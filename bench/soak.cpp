// A long restless run of the whole program, in-process and offscreen, in the
// data folder it is started from:
//
//   soak --events N --seed S [--progress K] [--minutes M]
//
// --progress prints a line every K events; --minutes ends the run early, with
// its summary, when M minutes have passed.
//
// Random events reach the screen on top: clicks on enabled controls, typing and
// pasting (digits, signs, commas, both alphabets, blanks, line breaks, long and
// empty texts, emoji), list choices, check-box toggles, Enter, Tab, Escape and
// Space, timer ticks, and closing and reopening screens through the menus; now
// and then a data file goes missing or read-only for a while. The run fails on
// an error box other than the system's file messages while a file is away, a
// handler that works for more than a second, and a log line that is not one
// whole line of the known form; a crash or a sanitizer report ends the process.
// The seed is printed first: the same seed and count replay the same run.
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMetaObject>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <linux/fs.h>
#include <map>
#include <sys/ioctl.h>
#include <thread>
#include <unistd.h>

#include "app/error_box.h"
#include "app/house_style.h"
#include "app/menu_screen.h"
#include "core/random.h"
#include "core/text_file.h"
#include "program/screens.h"
#include "report/attempt_log.h"
#include "testing/fake_clock.h"
#include "testing/random_script.h"
#include "testing/screen_driver.h"

extern "C" void __sanitizer_set_death_callback(void (*callback)()) __attribute__((weak));

namespace {
// A handler may work this long (on its own thread's clock, so that a busy
// machine does not count against it).
constexpr double kHandlerLimitSeconds = 1.0;
// A handler still running after this long on the wall clock never returns.
constexpr int kStuckSeconds = 60;

// What is happening now, for the watchdog and the crash note (plain atomics:
// read from a signal handler and another thread).
std::atomic<long> gEvent{-1};
std::atomic<int> gScreen{0};
std::atomic<int64_t> gEventStartedMs{0};
std::atomic<bool> gBusy{false};
uint32_t gSeed = 0;

int64_t wallMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double threadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// Async-signal-safe: only write() and a hand-made number.
void writeNumber(long value) {
    char digits[24];
    int n = 0;
    if (value < 0) value = 0;
    do {
        digits[n++] = char('0' + value % 10);
        value /= 10;
    } while (value > 0 && n < 23);
    char out[24];
    for (int i = 0; i < n; ++i) out[i] = digits[n - 1 - i];
    [[maybe_unused]] auto r = write(2, out, size_t(n));
}

void writeText(const char* text) { [[maybe_unused]] auto r = write(2, text, std::strlen(text)); }

void noteWhereItDied() {
    writeText("\nsoak: died in event ");
    writeNumber(gEvent.load());
    writeText(" on Form");
    writeNumber(gScreen.load());
    writeText("; replay: soak --events ");
    writeNumber(gEvent.load() + 1);
    writeText(" --seed ");
    writeNumber(long(gSeed));
    writeText("\n");
}

void onFatalSignal(int sig) {
    noteWhereItDied();
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

// ---- what a pupil types ----

const char* const kCannedTexts[] = {"", " ", "0", "1", "-1", "+2", "02", "1,5", "1.5", "0,0", "-0", ",", "-", "--1",
                                    "1,", ",5", "abc", "ІЇЄҐ", "Ваpіант", "½", "３", "\t", "0x10", "1e9", "2\n3",
                                    "2\r\n3", "\n", "99999999999999999999999", "2147483648", "-2147483649", "😀",
                                    "1😀2", "🙂🙂🙂", "1 / 2", "NaN", "inf"};

class PupilText {
public:
    explicit PupilText(LinearRandom& random) : random_(random) {}

    QString next() {
        switch (random_.next(10)) {
            case 0:
            case 1:
            case 2: return number();
            case 3: return QString::fromUtf8(kCannedTexts[random_.next(int(std::size(kCannedTexts)))]);
            case 4: return QString(1 + random_.next(20000), QChar(u"9-,аZ "[random_.next(6)]));
            case 5: return QString();
            default: return mixture(1 + random_.next(random_.next(4) == 0 ? 200 : 8));
        }
    }

private:
    // Answers that look right: whole numbers, signed, decimals with a comma.
    QString number() {
        QString text = QString::number(random_.next(random_.next(3) == 0 ? 100000 : 130));
        if (random_.next(4) == 0) text.prepend(u'-');
        if (random_.next(4) == 0) text += u',' + QString::number(random_.next(1000));
        return text;
    }
    QString mixture(int length) {
        static const QString alphabet = QString::fromUtf8("0123456789012345-+,.,/ :;=()%№abcxyzABCАБВабвгґдеєжзиіїйклмнопрстуфхцчшщьюяЁёЫыЭэ\t\n\r");
        static const QString emoji = QString::fromUtf8("😀🙂👍🎉");
        QString text;
        for (int i = 0; i < length; ++i) {
            if (random_.next(30) == 0) {
                const int k = random_.next(int(emoji.size()) / 2);
                text += emoji.mid(2 * k, 2);
            } else {
                text += alphabet[random_.next(int(alphabet.size()))];
            }
        }
        return text;
    }
    LinearRandom& random_;
};

// ---- a data file away for a while ----

class FileFault {
public:
    explicit FileFault(const QString& root) : root_(root) {
        QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString name = it.fileName();
            if (name.startsWith(u'.') || name.endsWith(QStringLiteral(".lock"))) continue;
            if (name.compare(QStringLiteral("stat.txt"), Qt::CaseInsensitive) == 0) logs_ << path;
            else if (name.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive)) texts_ << path;
            else others_ << path;
        }
        // The order of a folder listing is the file system's: sorted, a seed picks the same file on any copy.
        logs_.sort();
        texts_.sort();
        others_.sort();
    }
    ~FileFault() { end(); }

    bool active() const { return !path_.isEmpty(); }
    QString describe() const { return (missing_ ? QStringLiteral("missing ") : QStringLiteral("read-only ")) + path_; }

    // The logs and the task files matter most: a picture is one of hundreds.
    void begin(LinearRandom& random) {
        const int kind = random.next(4);
        const QStringList& from = kind < 2 ? logs_ : kind == 2 ? texts_ : others_;
        if (from.isEmpty()) return;
        path_ = from[random.next(int(from.size()))];
        missing_ = random.next(2) == 0;
        if (missing_) {
            if (!QFile::rename(path_, hiddenName())) path_.clear();
        } else {
            QFile::setPermissions(path_, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
            // Permissions do not bind the superuser: an immutable file does.
            setImmutable(true);
        }
        ++count_;
    }
    void end() {
        if (path_.isEmpty()) return;
        if (missing_) {
            QFile::rename(hiddenName(), path_);
        } else {
            setImmutable(false);
            QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        }
        path_.clear();
    }
    int count() const { return count_; }
    const QStringList& logs() const { return logs_; }

private:
    QString hiddenName() const { return path_ + QStringLiteral(".soak-away"); }
    void setImmutable(bool on) {
        if (geteuid() != 0) return;
        const int fd = ::open(QFile::encodeName(path_).constData(), O_RDONLY | O_NONBLOCK);
        if (fd < 0) return;
        int flags = 0;
        if (ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            ioctl(fd, FS_IOC_SETFLAGS, &flags);
        }
        ::close(fd);
    }

    QString root_;
    QStringList logs_, texts_, others_;
    QString path_;
    bool missing_ = false;
    int count_ = 0;
};

// ---- the logs, read back after every event ----

class LogWatch {
public:
    LogWatch(const QString& root, const QStringList& logs) {
        for (const QString& path : logs) {
            // The folder as the program names it: "" for the tests' log, "deli" …
            const QString folder = QFileInfo(QDir(root).relativeFilePath(path)).path();
            if (folder.compare(QStringLiteral("n8"), Qt::CaseInsensitive) == 0) continue;  // answers, rewritten
            logs_.push_back({path, folder == u"." ? QString() : folder, QFileInfo(path).size()});
        }
    }
    // Lines that are not one whole line of the known form, each printed once.
    int check() {
        int torn = 0;
        for (Log& log : logs_) {
            const QFileInfo info(log.path);
            if (!info.exists()) continue;  // away for a while
            const qint64 size = info.size();
            if (size == log.size) continue;
            QFile file(log.path);
            if (!file.open(QIODevice::ReadOnly)) continue;
            const QByteArray bytes = file.readAll();
            if (bytes.size() < log.size) {
                std::printf("soak: %s lost %lld bytes\n", qPrintable(log.path), log.size - bytes.size());
                ++torn;
                log.size = bytes.size();
                continue;
            }
            const QByteArray added = bytes.mid(log.size);
            log.size = bytes.size();
            if (!added.endsWith("\r\n")) {
                std::printf("soak: %s: line without its CR LF: %s\n", qPrintable(log.path), added.constData());
                ++torn;
                continue;
            }
            const QStringList lines = DecodeWindows1251(added.chopped(2)).split(QStringLiteral("\r\n"));
            for (const QString& line : lines) {
                LoggedAttempt attempt;
                QString reason;
                ++lines_;
                if (line.contains(u'\r') || line.contains(u'\n') || !ParseLogLine(line, log.folder, attempt, reason)) {
                    std::printf("soak: %s: not a results line (%s): %s\n", qPrintable(log.path), qPrintable(reason),
                                qPrintable(line));
                    ++torn;
                }
            }
        }
        return torn;
    }
    long lines() const { return lines_; }

private:
    struct Log {
        QString path;
        QString folder;
        qint64 size;
    };
    std::vector<Log> logs_;
    long lines_ = 0;
};

bool isFileMessage(const QString& message) {
    return message == u"File not found" || message == u"Path not found" || message == u"File access denied" ||
           message == u"I/O error" || message == LogBusyMessage() || message.startsWith(u"Cannot open file \"");
}

// ---- the run ----

enum Kind { Click, Toggle, Choice, Typing, Paste, Replace, Key, Tick, Navigate, Kinds };
const char* const kKindNames[] = {"click", "toggle", "choice", "typing", "paste", "replace", "key", "tick", "menu"};

class Soak {
public:
    Soak(uint32_t seed, const QString& root) : random_(seed), text_(random_), faults_(root), logs_(root, faults_.logs()) {
        Screen::setModalRunner([this](Screen* s) {
            s->show();
            if (std::find(stack_.begin(), stack_.end(), s) == stack_.end()) stack_.push_back(s);
        });
        setErrorSink([this](const QString& message) { errorBox(message); });
        program_ = StartProgram();
        program_->mainWindow()->show();
        stack_.push_back(program_->mainWindow());
        findMenuPaths();
        eventsOn_.assign(size_t(program_->count()) + 1, 0);
    }
    ~Soak() {
        faults_.end();
        Screen::setModalRunner(nullptr);
        // No box may open while the screens are taken down.
        setErrorSink([](const QString&) {});
    }

    // Returns the number of events run.
    long run(long events, long progressEvery, long minutes) {
        QElapsedTimer clock;
        clock.start();
        for (event_ = 0; event_ < events; ++event_) {
            if (minutes > 0 && clock.elapsed() > minutes * 60000) break;
            if (faults_.active() ? random_.next(300) == 0 : random_.next(1500) == 0) {
                if (faults_.active()) faults_.end();
                else faults_.begin(random_);
            }
            prune();
            Screen* top = stack_.back();
            const int number = numberOf(top);
            ++eventsOn_[size_t(number)];
            gScreen = number;
            gEvent = event_;
            gEventStartedMs = wallMs();
            gBusy = true;
            const double cpu = threadCpuSeconds();
            const Kind kind = act(top);
            QCoreApplication::sendPostedEvents();
            // Timers tick when the run says so, not when the wall clock does: a replay is the same run.
            if (event_ % 8 == 0) QApplication::processEvents(QEventLoop::X11ExcludeTimers);
            const double spent = threadCpuSeconds() - cpu;
            gBusy = false;
            ++kinds_[kind];
            if (spent > kHandlerLimitSeconds) {
                std::printf("soak: event %ld (%s on %s) worked %.2f s\n", event_, kKindNames[kind],
                            qPrintable(top->windowTitle()), spent);
                ++hangs_;
            }
            slowest_ = std::max(slowest_, spent);
            torn_ += logs_.check();
            clock_.advance(random_.next(3));
            if (progressEvery > 0 && (event_ + 1) % progressEvery == 0) {
                std::fprintf(stderr, "soak: %ld events, %.0f s\n", event_ + 1, double(clock.elapsed()) / 1000);
            }
        }
        seconds_ = double(clock.elapsed()) / 1000;
        faults_.end();
        return event_;
    }

    bool report(long events) const {
        int screens = 0;
        for (int n = 1; n <= program_->count(); ++n) {
            std::printf("%-7s %ld\n", qPrintable(program_->screen(n)->windowTitle()), eventsOn_[size_t(n)]);
            if (eventsOn_[size_t(n)] > 0) ++screens;
        }
        std::printf("by kind:");
        for (int k = 0; k < Kinds; ++k) std::printf(" %s %ld", kKindNames[k], kinds_[k]);
        std::printf("\nfiles away %d times; %ld log lines read back; %d error boxes with a file away; slowest event %.3f s\n",
                    faults_.count(), logs_.lines(), fileBoxes_, slowest_);
        std::printf("soak: %ld events, %d screens, %.1f s, %.1f events/s, seed %u: 0 crashes, 0 sanitizer reports, "
                    "%d hangs, %d torn log lines, %d unexpected error boxes\n",
                    events, screens, seconds_, seconds_ > 0 ? double(events) / seconds_ : 0.0, gSeed, hangs_, torn_,
                    unexpectedBoxes_);
        return hangs_ == 0 && torn_ == 0 && unexpectedBoxes_ == 0;
    }

private:
    int numberOf(Screen* s) const {
        for (int n = 1; n <= program_->count(); ++n)
            if (program_->screen(n) == s) return n;
        return 0;
    }

    void errorBox(const QString& message) {
        if (faults_.active() && isFileMessage(message)) {
            ++fileBoxes_;
            return;
        }
        ++unexpectedBoxes_;
        std::printf("soak: event %ld on Form%d: error box \"%s\"%s\n", event_, gScreen.load(), qPrintable(message),
                    faults_.active() ? qPrintable(QStringLiteral(" (") + faults_.describe() + u')') : "");
    }

    // A closed screen returns to the one that opened it.
    void prune() {
        while (stack_.size() > 1 && stack_.back()->isHidden()) stack_.pop_back();
        if (stack_.back()->isHidden()) stack_.back()->show();
    }

    // Which menu button opens which screen: every menu is tried once before the run.
    void findMenuPaths() {
        paths_.assign(size_t(program_->count()) + 1, {});
        std::vector<int> menus = {1};
        paths_[1] = {{}};
        for (size_t i = 0; i < menus.size(); ++i) {
            Screen* menu = program_->screen(menus[i]);
            for (QWidget* w : menu->controls()) {
                auto* button = qobject_cast<QPushButton*>(w);
                if (!button || button == menu->button(1) || button == menu->dumpButton()) continue;
                const size_t before = stack_.size();
                button->click();
                if (stack_.size() == before + 1) {
                    Screen* opened = stack_.back();
                    const int n = numberOf(opened);
                    if (n > 0 && paths_[size_t(n)].empty()) {
                        paths_[size_t(n)] = paths_[size_t(menus[i])];
                        paths_[size_t(n)].push_back({menus[i], button});
                        if (dynamic_cast<MenuScreen*>(opened)) menus.push_back(n);
                    }
                    opened->hide();
                    stack_.pop_back();
                }
            }
        }
        for (int n = 1; n <= program_->count(); ++n)
            if (paths_[size_t(n)].empty()) std::printf("soak: no menu opens Form%d\n", n);
    }

    std::vector<QWidget*> liveControls(Screen* s) const {
        std::vector<QWidget*> live;
        for (QWidget* w : s->controls()) {
            if (w->isHidden() || !w->isEnabled() || w == s->dumpButton()) continue;
            // Labels and pictures take no input.
            if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w) && !qobject_cast<QAbstractButton*>(w) &&
                !qobject_cast<QTableWidget*>(w))
                continue;
            // The main menu's "Завершення" would end the run.
            if (s == program_->mainWindow() && w == s->button(1)) continue;
            live.push_back(w);
        }
        return live;
    }

    Kind act(Screen* top) {
        // Now and then the pupil leaves for another screen through the menus.
        if (random_.next(60) == 0) return navigate();
        if (random_.next(25) == 0) {
            tick(top);
            return Tick;
        }
        const std::vector<QWidget*> live = liveControls(top);
        if (live.empty()) return navigate();
        QWidget* w = live[size_t(random_.next(int(live.size())))];
        if (random_.next(12) == 0) {
            pressKey(w);
            return Key;
        }
        if (auto* edit = qobject_cast<QLineEdit*>(w)) return type(edit);
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            if (combo->count() > 0) Choose(combo, random_.next(combo->count()));
            return Choice;
        }
        if (auto* box = qobject_cast<QCheckBox*>(w)) {
            box->click();
            return Toggle;
        }
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            button->click();
            return Click;
        }
        pressKey(w);
        return Key;
    }

    Kind type(QLineEdit* edit) {
        const QString text = text_.next();
        switch (random_.next(3)) {
            case 0:
                // Key by key, each press seen by the screen's key handler.
                edit->setFocus();
                for (QChar c : text.left(40)) {
                    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
                    QApplication::sendEvent(edit, &press);
                }
                return Typing;
            case 1: edit->insert(text); return Paste;
            default: Type(edit, text); return Replace;
        }
    }

    void pressKey(QWidget* w) {
        static const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab, Qt::Key_Escape, Qt::Key_Space,
                                       Qt::Key_Backspace, Qt::Key_Down, Qt::Key_Up};
        const Qt::Key key = keys[random_.next(int(std::size(keys)))];
        const QString text = key == Qt::Key_Space ? QStringLiteral(" ") : key == Qt::Key_Tab ? QStringLiteral("\t") : QString();
        w->setFocus();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(w, &release);
    }

    // Timers tick while their screens are hidden: any running one may.
    void tick(Screen* top) {
        QList<QTimer*> timers = top->findChildren<QTimer*>();
        if (timers.isEmpty() || random_.next(3) == 0) {
            Screen* any = program_->screen(1 + random_.next(program_->count()));
            timers = any->findChildren<QTimer*>();
        }
        if (timers.isEmpty()) return;
        QTimer* t = timers[random_.next(int(timers.size()))];
        if (t->isActive()) QMetaObject::invokeMethod(t, "timeout");
    }

    // Back down to a menu on the way and up to a screen that has had few events.
    Kind navigate() {
        int target = 1 + random_.next(program_->count());
        for (int tries = 0; tries < 3; ++tries) {
            const int other = 1 + random_.next(program_->count());
            if (eventsOn_[size_t(other)] < eventsOn_[size_t(target)]) target = other;
        }
        const auto& path = paths_[size_t(target)];
        if (path.empty() && target != 1) return Navigate;
        // Close screens (with their own return button, or the window's close) until the top is on the path.
        auto onPath = [&](Screen* s) {
            if (s == program_->mainWindow()) return true;
            for (const auto& step : path)
                if (program_->screen(step.menu) == s) return true;
            return false;
        };
        while (stack_.size() > 1 && !onPath(stack_.back())) {
            Screen* s = stack_.back();
            QPushButton* back = s->button(1);
            if (back && !back->isHidden() && back->isEnabled() && random_.next(4) != 0) back->click();
            if (!s->isHidden()) s->close();
            if (!s->isHidden()) break;  // a screen that will not close keeps the pupil
            prune();
        }
        for (const auto& step : path) {
            if (numberOf(stack_.back()) != step.menu) continue;
            if (!step.button->isEnabled() || step.button->isHidden()) break;
            step.button->click();
            prune();
        }
        return Navigate;
    }

    struct Step {
        int menu;
        QPushButton* button;
    };

    LinearRandom random_;
    PupilText text_;
    FileFault faults_;
    LogWatch logs_;
    FakeClock clock_;
    std::unique_ptr<Program> program_;
    std::vector<Screen*> stack_;
    std::vector<std::vector<Step>> paths_;
    std::vector<long> eventsOn_;
    long kinds_[Kinds] = {};
    long event_ = 0;
    int hangs_ = 0;
    int torn_ = 0;
    int unexpectedBoxes_ = 0;
    int fileBoxes_ = 0;
    double slowest_ = 0;
    double seconds_ = 0;
};

void watchdog() {
    for (;;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        if (gBusy && wallMs() - gEventStartedMs > int64_t(kStuckSeconds) * 1000) {
            writeText("\nsoak: hang: a handler has not returned for a minute");
            noteWhereItDied();
            _exit(3);
        }
    }
}

// The offscreen platform says this on every window shown; anything else Qt says is kept.
void quietOffscreen(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (message.contains(QStringLiteral("does not support propagateSizeHints"))) return;
    std::fprintf(stderr, "%s%s\n", type >= QtWarningMsg ? "qt: " : "", qPrintable(message));
}

int usage() {
    std::fprintf(stderr, "usage: soak --events N --seed S [--progress K] [--minutes M]   (run from a data folder)\n");
    return 2;
}
}  // namespace

int main(int argc, char** argv) {
    long events = 20000;
    long progress = 0;
    long minutes = 0;
    bool seeded = false;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg = argv[i];
        if (i + 1 >= argc) return usage();
        const QByteArray value = argv[++i];
        bool ok = false;
        if (arg == "--events") events = value.toLong(&ok);
        else if (arg == "--seed") gSeed = value.toUInt(&ok), seeded = true;
        else if (arg == "--progress") progress = value.toLong(&ok);
        else if (arg == "--minutes") minutes = value.toLong(&ok);
        if (!ok || events < 0) return usage();
    }
    if (!seeded) gSeed = uint32_t(std::time(nullptr));
    if (!QFileInfo(QStringLiteral("stat.txt")).isFile()) {
        std::fprintf(stderr, "soak: the working folder is not a data folder (no stat.txt); render one with datagen\n");
        return 2;
    }
    std::printf("soak: seed %u, %ld events, in %s\n", gSeed, events, qPrintable(QDir::currentPath()));
    std::fflush(stdout);

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietOffscreen);
    QApplication app(argc, argv);
    ApplyHouseStyle();
    if (__sanitizer_set_death_callback) __sanitizer_set_death_callback(noteWhereItDied);
    for (int sig : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL}) std::signal(sig, onFatalSignal);
    std::thread(watchdog).detach();

    // The program's own draws are seeded too, so that a replay draws the same problems.
    SeededRandom draws(gSeed);
    bool passed = false;
    {
        Soak soak(gSeed, QDir::currentPath());
        const long done = soak.run(events, progress, minutes);
        passed = soak.report(done);
    }
    std::fflush(stdout);
    return passed ? 0 : 1;
}
