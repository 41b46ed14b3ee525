#include "host/win/monitor_games.h"

#include <algorithm>

#include "host/win/host_state.h"
#include "host/win/run_scores.h"
#include "host/win/saver_window.h"
#include "host/win/worker.h"

TMonitorGames MonitorGames;

namespace {

const char GameClassName[] = "Korvex Rowfall Monitor Game";
constexpr uint32_t SeedStep = 7919;  // a prime: no two games seed their figures alike
constexpr uint32_t WorkerJoinMs = 5000;

std::unique_ptr<TGame> ShowGame(const RECT& area, uint32_t seedOffset) {
    HWND window = CreateWindowExA(WS_EX_TOPMOST, GameClassName, SaverTitle, WS_POPUP, area.left,
                                  area.top, area.right - area.left, area.bottom - area.top,
                                  SaverWindow, nullptr, Instance, nullptr);
    if (!window) return nullptr;
    auto game = std::make_unique<TGame>(seedOffset);
    game->Lock = CreateMutexA(nullptr, FALSE, nullptr);
    game->Stop = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    // The window procedure finds its game here; the saver window has none.
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(game.get()));
    game->Screen.SetWindow(window);
    ShowWindow(window, SW_SHOWNA);  // the saver window keeps the activation
    return game;
}

void Release(TGame& game) {
    HWND window = game.Screen.Window;
    game.Cells.Attach(nullptr, nullptr);
    game.Screen.SetWindow(nullptr);
    DestroyWindow(window);
    // Forgotten, not only closed: the screen object's destructor still waits on the lock.
    for (HANDLE* handle : {&game.Lock, &game.Stop}) {
        if (*handle) CloseHandle(*handle);
        *handle = nullptr;
    }
}

// Its worker, once, at the Priority setting.
void Play(TGame& game) {
    if (game.Worker) return;
    if (HANDLE worker = StartWorker(game)) ApplyPriority(worker);
}

}  // namespace

TMonitorGames::~TMonitorGames() { End(); }

void TMonitorGames::Open() {
    for (const TMonitor& monitor : OtherMonitors()) Add(monitor);
}

void TMonitorGames::Start() {
    for (TMonitorGame& game : Games_) Play(*game.Game);
}

bool TMonitorGames::Follow(bool everyMonitor) {
    const std::vector<TMonitor> current = OtherMonitors();
    bool fitted = true;
    for (auto game = Games_.begin(); game != Games_.end();) {
        auto monitor = std::find_if(current.begin(), current.end(),
                                    [&](const TMonitor& m) { return m.Device == game->Device; });
        if (monitor == current.end()) {
            Leave(*game);
            game = Games_.erase(game);
            continue;
        }
        if (FitGame(*game->Game, monitor->Area))
            game->Area = monitor->Area;
        else
            fitted = false;
        ++game;
    }
    if (!everyMonitor) return fitted;
    for (const TMonitor& monitor : current) {
        auto game = std::find_if(Games_.begin(), Games_.end(),
                                 [&](const TMonitorGame& g) { return g.Device == monitor.Device; });
        if (game != Games_.end()) continue;
        if (TGame* added = Add(monitor)) Play(*added);
    }
    return fitted;
}

void TMonitorGames::Left(TGame* left) {
    for (auto game = Leaving_.begin(); game != Leaving_.end(); ++game) {
        if (game->Game.get() != left) continue;
        // The worker posted this as its last act: nothing of the game is in use any more.
        JoinWorker(*game->Game, 0);
        Release(*game->Game);
        Leaving_.erase(game);
        return;
    }
}

// A worker still busy past the bound may be drawing with its game: that game is left
// to it, and the process end takes it.
void TMonitorGames::End() {
    while (!Games_.empty()) {
        Leave(Games_.back());
        Games_.pop_back();
    }
    std::vector<HANDLE> workers;
    for (const TMonitorGame& game : Leaving_)
        if (game.Game->Worker && workers.size() < MAXIMUM_WAIT_OBJECTS) workers.push_back(game.Game->Worker);
    if (!workers.empty())
        WaitForMultipleObjects(DWORD(workers.size()), workers.data(), TRUE, WorkerJoinMs);
    for (TMonitorGame& game : Leaving_) {
        if (JoinWorker(*game.Game, 0))
            Release(*game.Game);
        else
            game.Game.release();
    }
    Leaving_.clear();
    if (Registered_) UnregisterClassA(GameClassName, Instance);
    Registered_ = false;
}

void TMonitorGames::FoldRunningScores() {
    for (std::vector<TMonitorGame>* games : {&Games_, &Leaving_})
        for (TMonitorGame& game : *games) FoldRunningScore(*game.Game);
}

std::vector<RECT> TMonitorGames::Areas() const {
    std::vector<RECT> areas;
    for (const TMonitorGame& game : Games_) areas.push_back(game.Area);
    return areas;
}

TGame* TMonitorGames::Add(const TMonitor& monitor) {
    if (!Registered_) Registered_ = RegisterGameWindowClass(GameClassName);
    if (!Registered_) return nullptr;
    std::unique_ptr<TGame> game = ShowGame(monitor.Area, SeedStep * ++Opened_);
    if (!game) return nullptr;
    Games_.push_back({monitor.Device, monitor.Area, std::move(game)});
    return Games_.back().Game.get();
}

void TMonitorGames::Leave(TMonitorGame& game) {
    SetEvent(game.Game->Stop);
    ShowWindow(game.Game->Screen.Window, SW_HIDE);
    Leaving_.push_back(std::move(game));
}
