#pragma once

#include <QItemSelectionModel>
#include <QList>
#include <QObject>

class SlidesListModel;

// The slides grid's selection and keys ("slideGrid" in QML), over the slides model: a click
// selects a tile alone, Ctrl+click toggles one, Shift+click and Shift+arrows select a range from
// the anchor, Ctrl+A all; the arrows move the current tile, Ctrl+Shift+arrows move the selected
// slides, Delete removes them, Enter opens a text slide and Esc selects nothing. The separator is
// never selected. The selection follows rows as they are inserted and removed. GUI thread only.
class SlideGridPres : public QObject
{
    Q_OBJECT
    // Selected rows, ascending.
    Q_PROPERTY(QList<int> selectedRows READ selectedRows NOTIFY selectionChanged)
    // The tile the keys act from; -1 for none.
    Q_PROPERTY(int currentRow READ currentRow NOTIFY selectionChanged)
public:
    static SlideGridPres* instance();
    explicit SlideGridPres(SlidesListModel* model, QObject* parent = nullptr);

    QList<int> selectedRows() const;
    int currentRow() const;

    // A press on a tile, which may start a drag: an unselected tile becomes the selection unless
    // Ctrl or Shift add to it.
    Q_INVOKABLE void press(int row, int modifiers);
    Q_INVOKABLE void click(int row, int modifiers);
    Q_INVOKABLE void selectAll();
    Q_INVOKABLE void clear();
    // A key pressed on the focused grid, with `columns` tiles to a line. True when it was the
    // grid's key.
    Q_INVOKABLE bool key(int key, int modifiers, int columns);
    // A new text slide, after the current tile, or at the end when none is current.
    Q_INVOKABLE void addTextSlide(const QString& text);
    // A text slide holds up to 90 characters: the text pop-up keeps the previous text when an
    // edit or a paste would go past that.
    Q_INVOKABLE static bool fitsTextSlide(const QString& text);
    // The pop-up's counter: "12/90", or, after a refused edit, why it was refused.
    Q_INVOKABLE static QString textCounter(int length, bool refused);

signals:
    void selectionChanged();
    // Enter on a text slide: the window opens its text for editing.
    void editTextRequested(int row, QString text);
    // A row the person should see: the tile the keys went to, a text slide put among others.
    void revealRow(int row);

private:
    bool isSlide(int row) const;
    // The nearest slide row from `row` on, stepping by `direction`; -1 for none.
    int slideFrom(int row, int direction) const;
    void select(int row, int modifiers);
    void moveSelected(int delta);
    void removeSelected();
    bool act(int key, int modifiers, int columns);

    SlidesListModel* model;
    QItemSelectionModel selection;
    int anchor = -1;
};
