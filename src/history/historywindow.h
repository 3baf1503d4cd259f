// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "history/clickexport.h"
#include "history/store.h"
#include "ui/controls.h"

#include <QVariant>
#include <QWidget>

#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QModelIndex;
class QTableView;

namespace history {

class DetailWindow;
class GamesModel;
class ProgressChart;
class Recorder;

// The history window (caption 記録): the kept games of one player and one
// count, each filter also offering すべて, as a chart of their times and a
// table newest first, with CSV export and deletion. Modeless and without
// owner; the board window creates it on first use and keeps it until the
// program ends, so closing it (閉じる, Esc, the title bar) only hides it.
//
// It reads through a store of its own on the recorder's file, opened when the
// window is created (never before), and reads again whenever the recorder
// has written a game while the window is open. What the store or the
// recorder says about the file is shown above the chart: that games cannot
// be kept, or are read-only, as long as that holds; that a damaged file was
// set aside, the first time the window opens.
class HistoryWindow final : public QWidget {
public:
    // `currentName` gives the name box's text when the window is opened.
    HistoryWindow(Recorder& recorder, std::function<QString()> currentName);
    ~HistoryWindow() override;

    // Shows the window, or brings it to the front when it is open. Opened
    // from hidden, it reads the history anew and chooses the player in the
    // name box (すべて when that name has no game) and the count of the last
    // game finished (すべて before any).
    void open();
    // Reads the names and the games of the chosen filters anew.
    void refresh();

    // Asks where to export, offering `suggested`; empty for cancel. The file
    // dialog unless set (tests answer it themselves).
    std::function<QString(const QString& suggested)> chooseFile;
    // Asks what CSV保存 saves; the message box unless set (tests answer it).
    std::function<ExportChoice()> chooseExport;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Each control's object name is its member's name: tests and
    // accessibility tools find the controls by it.
    QComboBox* playerBox = nullptr; // すべて, then every name of the history
    QComboBox* countBox = nullptr;  // すべて, 10 .. 50
    QLabel* notice = nullptr;
    ProgressChart* chart = nullptr;
    QTableView* table = nullptr;
    GamesModel* rows = nullptr;
    QLabel* status = nullptr;
    ui::CommandButton cmdCsv;
    ui::CommandButton cmdSakujo;
    ui::CommandButton cmdTojir;

    void buildControls();
    void filterChanged();
    void gameRecorded();
    Filter filter() const;
    void fillNames(const QVariant& wanted);
    void showGames();
    void showNotice();
    void updateButtons();
    QString askPath(const QString& fileName);
    void exportCsv();
    void exportClicks();
    void deleteSelected();
    // Shows the detail of the game in the index's row in the one detail window.
    void openDetail(const QModelIndex& index);

    Recorder& recorder_;
    std::function<QString()> currentName_;
    std::unique_ptr<Store> store_;
    bool setAsideSaid_ = false;            // the notice of a file set aside is said once
    bool filling_ = false;                 // the filters are being refilled: no query yet
    std::unique_ptr<DetailWindow> detail_; // created when a game's detail is first opened
};

} // namespace history
