#include "player/shell/qt/player_handlers.h"

#include "player/shell/shell.h"

namespace vek::player {

int ShellHandlers::FormKeyDown(int key, unsigned shift) {
    return shell_.FormKeyDown(key, shift);
}
char ShellHandlers::FormKeyPress(char ch) {
    return shell_.FormKeyPress(ch);
}
void ShellHandlers::Timer1Timer() {
    shell_.Timer1Timer();
}
void ShellHandlers::FormClose() {
    shell_.FormClose();
}
const MainBoxModel& ShellHandlers::mainBox() const {
    return shell_.mainBox();
}
const MainMemoModel& ShellHandlers::mainMemo() const {
    return shell_.mainMemo();
}
const DotazEditModel& ShellHandlers::dotazEdit() const {
    return shell_.dotazEdit();
}
DisplaySettings& ShellHandlers::display() {
    return shell_.options().Display;
}

}  // namespace vek::player
