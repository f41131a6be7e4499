#pragma once
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QString>
#include <QWidget>

// A label that, unless given a fixed width, sizes itself to its text like a
// designer's auto-size label; with word wrap it keeps its width and grows down.
class Label : public QLabel {
public:
    explicit Label(QWidget* parent);
    void setText(const QString& text);
    void setAutoSize(bool on) { autoSize_ = on; }
    bool autoSize() const { return autoSize_; }
    // Resizes to the text at the current font (called after every rescale).
    void fitText();
    // An announced label (a verdict, a result) tells the screen reader each new text.
    void setAnnounced(bool on) { announced_ = on; }
    bool announced() const { return announced_; }
    // A silent label is left out of the screen reader's way: the denominator of
    // a drawn fraction, whose numerator label says the whole fraction ("4/14").
    void setSilent(bool on) { silent_ = on; }
    bool silent() const { return silent_; }

private:
    bool autoSize_ = true;
    bool announced_ = false;
    bool silent_ = false;
};

// A drop-down list whose list is made when first dropped down: the base class
// builds it at the first font change, and most lists are never opened.
class ComboBox : public QComboBox {
public:
    explicit ComboBox(QWidget* parent) : QComboBox(parent) {}
    void showPopup() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    bool listMade_ = false;
};

// What a screen reader says for a mark picture ("deli\ocenka9.bmp" → "Оцінка 9",
// "z1\ocenka4s.bmp" → "Оцінка 4 з 5"); empty for any other picture.
QString MarkPictureSpokenName(const QString& pictureName);

// Whether the file is a bitmap whose header can be read (its pixels are not decoded).
bool IsReadableBitmap(const QString& fullPath);

// A picture box. A loaded bitmap is drawn at the page's scale: at its own size
// from the upper left (Natural), fitted inside the box keeping its proportions
// and centred (Proportional), or filling the box (Stretch). The box keeps the
// file's name, not its pixels: a bitmap is decoded when the box is painted and
// let go after, since the window keeps what was painted and most pictures are
// painted once or twice in a run. A picture the screen reader is given no name
// for is decoration and kept out of its way; a mark picture names itself.
class Picture : public QWidget {
public:
    enum class Fit { Natural, Proportional, Stretch };
    explicit Picture(QWidget* parent);

    void setFit(Fit fit);
    Fit fit() const { return fit_; }
    // A bitmap file known to be readable (IsReadableBitmap).
    void setImageFile(const QString& fullPath, const QString& name);
    void clearPicture();
    bool isEmpty() const { return file_.isEmpty(); }
    // The name it was loaded by, as the program wrote it ("deli\ocenka10.bmp").
    const QString& pictureName() const { return name_; }
    // The picture's pixels, decoded now (null when empty or unreadable).
    QImage image() const;
    void setScale(double scale);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString file_;
    QString name_;
    Fit fit_ = Fit::Natural;
    double scale_ = 1.0;
};
