#pragma once
// The main window: race list, reading times, race card, the analysis tabs,
// the log list and the receive lamp, with its menus, tool bar and actions.
// It receives the acquisition threads' notifications as their sink.
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "analysis/OddsAlerts.h"
#include "core/Clock.h"
#include "core/DayLog.h"
#include "core/Race.h"
#include "ipat/IPatControl.h"
#include "ipat/IPatSink.h"
#include "ipat/ThreadSlot.h"
#include "ui/AppForms.h"
#include "view/MainWindowView.h"
#include "view/MovementView.h"
#include "view/RaceCard.h"
#include "view/StatusBarText.h"
#include "view/WindowInfo.h"

class QAbstractScrollArea;
class QAction;
class QFrame;
class QLabel;
class QListWidget;
class QMenu;
class QTabWidget;
class QTableWidget;
class QTimer;
class QToolBar;

namespace vorpa {

class TAlertForm;
class THistorySyncThread;
class TCalcTab;
class TFrameLayout;
class TDesktopNotifier;
class TLogForm;
class TChartTabs;
class TEstimateTab;
class TOddsTab;
class TResultTab;

class TMainForm : public QMainWindow, public TIPatSink {
  Q_OBJECT
 public:
  // `configDir` (with a trailing "/") holds Vorpa.Ini and VorpaRemark.txt;
  // `clock` (the local clock when null) outlives the window.
  explicit TMainForm(const std::string& configDir, const TClock* clock = nullptr,
                     QWidget* parent = nullptr);
  ~TMainForm() override;

  // The windows created after this one.
  void AttachForms(const TAppForms& forms);
  // The directory of Vorpa.Ini and VorpaRemark.txt, with a trailing "/".
  const std::string& ConfigDir() const { return configDir_; }

  // Logs a CP932 line with the time of day on the program clock: into the
  // day's log (its file and the log window) and the log list, which drops
  // its oldest line. Errors show in red.
  void AddLog(const std::string& line, bool error = false);
  void SetRecvLamp(bool on);
  // The race list and race card (MainFrmRaceList.cpp, MainFrmRaceCard.cpp).
  void OpenDate(double date);
  void LoadRaceList();
  void RefreshRaceList();
  void LoadSelectedRace();
  // `reading`: the index of the reading to select, -1 for the newest.
  void ShowRace(int reading = -1);
  // At the first start (no INET ID or data directory) a welcome dialog
  // says what the two settings are and opens the settings dialog; when
  // Vorpa.Ini cannot be read, a message box says so instead.
  void FirstStartCheck();
  // Rebuilds every view from the selected reading.
  void ShowOdds();
  void ClearViews();

  // The acquisition thread's notifications, run on the main thread.
  void Log(const std::string& line) override;
  void Error(TIPatError kind, const std::string& line) override;
  void RaceStored(const TRace& race) override;
  void RecvLamp(bool on) override;
  void StatusUpdate(const TIPat& session) override;
  void RaceInfo(const TIPat& session) override;
  void HandOverDate(double meetingDate) override;
  void ThreadEnd(std::thread::id id) override;

  // Controls.
  QWidget* Panel1;
  QToolBar* ToolBar1;
  QLabel* lblRaceInfo;
  QLabel* lblRaceInfo2;
  QTableWidget* sgRace;
  QTableWidget* sgOddsTime;
  QTableWidget* sgSyutuba = nullptr;
  // The tab pages (TabSheet1..8) grow with the window: each tab's content
  // sets a layout on its page, a Qt layout or a TFrameLayout(page,
  // PageControl1, {kTabsDesignWidth, kTabsDesignHeight}) that places
  // controls by their rectangles at the design size (ui/FrameLayout.h).
  QTabWidget* PageControl1;
  QListWidget* lstLog;
  TLogForm* LogForm;  // "表示" > "ログ..."
  // Desktop notifications, for anything the user should see outside the
  // window (ui/DesktopNotifier.h).
  TDesktopNotifier* Notifier;
  QFrame* pnlRecv = nullptr;
  QMenu* PopupMenu1;
  QAction* actHistory = nullptr;
  // The start-up sync of the history database (stopped at the end).
  std::unique_ptr<THistorySyncThread> historySync_;  // the card's pop-up: this horse's (jockey's, trainer's) history
  QTimer* tmIPAT;
  // The status bar (MainFrmStatusBar.cpp), from left: the last error, the
  // demo mark, the program clock, acquisition, the last page received, the
  // last race stored and the next race.
  QLabel* lblStatusError;
  QLabel* lblStatusDemo;
  QLabel* lblStatusClock;
  QLabel* lblStatusIPat;
  QLabel* lblStatusRecv;
  QLabel* lblStatusStore;
  QLabel* lblStatusNextRace;
  QTimer* tmStatus;  // once a second
  void UpdateStatusBar();
  // The contents of the tabs "枠連" .. "ワイド", "結果" and "(簡易計算)".
  std::array<TOddsTab*, 4> OddsTabs{};
  TResultTab* ResultTab = nullptr;
  TCalcTab* CalcTab = nullptr;
  TEstimateTab* EstimateTab = nullptr;  // "推定"
  TChartTabs* ChartTabs = nullptr;  // "グラフ", "グラフ2"

  // Actions of the action list aclOddsForm.
  QAction* actEnd;
  QAction* actSelDate;
  QAction* actOutPatData;
  QAction* actIPat;
  QAction* actIPatDirect;
  QAction* actMojipanel;
  QAction* actRefresh;
  QAction* actDelTimedata;
  QAction* actSortKaisaiTime;
  QAction* actSortKaisaiKaisai;
  QAction* actSortTanOdds;
  QAction* actSortFukuOdds;
  QAction* actSortRenOdds;
  QAction* actSortNo;
  QAction* actSetting;
  QAction* actManual;
  QAction* actShowAbout;
  QAction* actCopy;
  QAction* actDistortion;  // "表示" > "歪み表示": the overlay of the pair matrices
  // Zoom of the grids, lists and result texts ("表示" menu).
  QAction* actZoomIn;
  QAction* actZoomOut;
  QAction* actZoomReset;
  QAction* actZoomFit;

  // Shows the grids, lists and result texts at `zoom` percent (100..250),
  // or at the largest zoom that fits the window, again at every resize,
  // for kZoomFit; the zoom kept in Vorpa.Ini stays (--zoom).
  void SetZoom(int zoom);
  // The zoom shown, in percent, and whether it follows the window's size.
  int Zoom() const { return zoom_; }
  bool ZoomFits() const { return zoomFit_; }
  QAction* actAlerts;  // "表示" > "アラート..."
  TAlertForm* AlertForm = nullptr;
  // Sends one desktop notification (summary, body; UTF-8); unset: none.
  std::function<void(const std::string&, const std::string&)> Notify;
  QAction* actShowLog;

  // Acquisition (MainFrmIPat.cpp): checks actIPat and runs the start
  // routine, as on race days at start-up.
  void StartAcquisition();
  // The same once the window is up; asked for twice (AutoIPat on a race
  // day and --acquire), it still runs once.
  void StartAcquisitionSoon();
  void actIPatExecute();
  void actIPatDirectExecute();
  void tmIPATTimer();

  // State.
  double FDate = 0;  // meeting date shown; 0: no date open
  bool FRaceLoaded = false;
  int FOddsIndex = -1;
  int FUmaOrder = 0;
  int FKaisaiOrder = 0;
  const TClock& Clock;
  // The two sessions and their thread slots.
  std::unique_ptr<TIPatControl> IPatControl;
  TIPat& FIPat;
  TIPat& FIPatDirect;
  TThreadSlot& FIPatThread;
  TThreadSlot& FIPatDirectThread;
  bool FAutoExiting = false;
  TWindowInfo WindowInfo;
  TAppForms Forms;
  TIPatStatusView* StatusView = nullptr;  // the status window, once it shows sessions
  TRace FRace;  // the race shown in the views
  // The alerts of the open date (time order), refreshed with the race list.
  std::vector<TAlert> DayAlertList;

 signals:
  // A click on a win or place cell of the card: the bet for the purchase
  // calculator.
  void CardBetClicked(const TCalcRow& bet);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void FormCreate();
  bool FormCloseQuery();
  void FormDestroy();
  // Reads the settings and the remark file; one that holds nothing readable
  // is kept as ".bad", a settings file that cannot be read leaves the
  // defaults and is not written (MainFrmSettingFiles.cpp).
  void LoadSettingFiles();
  void LoadWindowInfo();
  void ApplyWindowInfo();
  void ReadWindowPlacement();
  void SaveWindowInfo();
  void OnThreadEnd(std::thread::id id);
  void CreateStatusBar();
  // The caption and the demo mark, from the settings.
  void ShowDemoMark();
  // A run's error: logged in red, shown in the status bar, and notified
  // once per kind and run (the run's thread `thread`).
  void ShowError(TIPatError kind, const std::string& line, std::thread::id thread);
  // A session's state as the status bar shows it.
  void NoteRunStatus(const TIPat& session);
  // Asks both acquisition threads to stop and waits for them, running
  // their calls to this window meanwhile.
  void StopThreads();
  void pnlRecvDblClick();
  void actManualExecute();
  void actShowAboutExecute();
  // Zoom (MainFrmZoom.cpp): the user's choice, shown and kept.
  void SetUpZoom();
  void ChangeZoom(int zoom);
  void ApplyZoom(int percent);
  void Refit();
  // Ctrl+wheel over `grid`'s viewport zooms.
  void ZoomByWheel(QAbstractScrollArea* grid);
  void actSettingExecute();
  void actMojipanelExecute();
  void actOutPatDataExecute();  // MainFrmPatOut.cpp

  // Race list and race card.
  void SetUpRaceList();
  // Loads the race of the current race list row into FRace; false (no
  // race loaded) for an empty row.
  bool LoadCurrentRace();
  void SetUpRaceCard();
  void SetUpAnalysisTabs();
  void SetKaisaiOrder(int order);
  void UpdateKaisaiOrderActions();
  void SetUmaOrder(int order);
  void UpdateUmaOrderActions();
  void FillCard(const TCardView& card);
  TCardRow CardRowAt(int row) const;
  void sgOddsTimeClick();
  void sgSyutubaClick(int row, int col);
  // The history window of the horse, jockey or trainer in a card cell.
  void ShowHistoryOf(int row, int col);
  void UpdateHistoryAction();
  void UpdateCopyAction();
  void actCopyExecute();
  void actDelTimedataExecute();
  void actSelDateExecute();
  void actDistortionExecute();
  // Fills "推定" from the selected reading (MainFrmTabs.cpp).
  void ShowEstimates();
  // Saves Vorpa.Ini after a view setting changed; a failure goes to the log.
  void SaveViewSetting();

  void CreateActions();
  void CreateMenus();
  void CreateControls();
  void CreateToolBar();
  QAction* NewAction(const char* name, const char* caption, const char* hint, int image = -1);
  // Runs `fn` on the main thread and waits for it.
  void RunOnMainThread(const std::function<void()>& fn);

  // Odds movement and alerts (MainFrmMovement.cpp).
  void SetUpMovement();
  void FillCardMovement(const TCardView& card);
  std::array<std::vector<bool>, 4> FallenMatrixCells(const TReadingChoice& choice) const;
  void UpdateDayAlerts();
  void ShowAlertWindow();
  void OpenAlert(const TAlert& alert);
  // A race stored by an acquisition thread: its new alerts, notified.
  void RaceStoredByThread(const TRace& race);

  std::vector<TCardMovementRow> cardMovement_;
  std::vector<std::string> alertRaces_;  // race list texts (CP932) of races with alerts
  TNewAlerts newAlerts_;
  std::string configDir_;
  bool settingsWritable_ = true;  // false: Vorpa.Ini is a folder or unreadable
  TLogLines log_;
  std::unique_ptr<TDayLog> dayLog_;
  // What the status bar knows of the runs.
  struct TRunStatus {
    int State = 0;
    int WaitLeft = 0;
  };
  TRunStatus scheduledStatus_, directStatus_;
  double lastTickAt_ = 0;  // the timer's last start or tick, program clock
  double lastPageAt_ = 0;
  double lastStoreAt_ = 0;
  std::string lastStoreRace_;            // "東京11R", CP932
  std::vector<TPostedRace> postedRaces_;  // the open date's races
  std::set<std::pair<std::thread::id, TIPatError>> notified_;
  bool closing_ = false;
  bool startPending_ = false;
  bool estimatesStale_ = false;  // "推定" waits to be filled until it shows
  TFrameLayout* frame_ = nullptr;
  int zoom_ = 100;
  bool zoomFit_ = false;
};

}  // namespace vorpa
