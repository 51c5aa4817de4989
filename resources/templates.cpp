// The program's menu and dialog templates.
#include "platform/templates.h"

#include <array>

namespace {

const std::array fileMenu{
    MenuTemplate{},
    MenuTemplate{},
    MenuTemplate{"終了(&X)", 40004},
};
const std::array editMenu{
    MenuTemplate{"ピースの上下入れ替え(&U)", 40013},
};
const std::array backgroundMenu{
    MenuTemplate{"色指定(&P)", 40002},
    MenuTemplate{"透明[WinXP/2000/Vista](&S)", 40015},
};
const std::array soundMenu{
    MenuTemplate{"ON(&V)", 40012, true},
};
const std::array settingsMenu{
    MenuTemplate{"背景色(&T)", 0, false, backgroundMenu},
    MenuTemplate{"効果音(&U)", 0, false, soundMenu},
};
const std::array helpMenu{
    MenuTemplate{"バージョン情報(&V)", 40008},
};
const std::array mainMenu{
    MenuTemplate{"ファイル(&F)", 0, false, fileMenu},
    MenuTemplate{"編集(&E)", 0, false, editMenu},
    MenuTemplate{"設定(&S)", 0, false, settingsMenu},
    MenuTemplate{"ヘルプ(&H)", 0, false, helpMenu},
};

constexpr const char* dialogFont = "ＭＳ Ｐゴシック";

const std::array aboutControls{
    ControlTemplate{1000, ControlKind::defaultPushButton, "OK", 80, 60, 43, 14},
    ControlTemplate{-1, ControlKind::icon, "", 17, 14, 20, 21, 118},
    ControlTemplate{-1, ControlKind::staticText, "『VELMORA』　Ver フロミナ", 61, 15, 124, 10},
    ControlTemplate{1018, ControlKind::defaultPushButton, "CLICK  TO JUMP", 63, 30, 100, 14},
};
const std::array messageControls{
    ControlTemplate{1000, ControlKind::defaultPushButton, "OK", 82, 40, 50, 14},
    ControlTemplate{1002, ControlKind::readOnlyEdit, "", 7, 7, 200, 27},
};
const std::array congratulationControls{
    ControlTemplate{1, ControlKind::defaultPushButton, "OK", 67, 52, 50, 14},
    ControlTemplate{-1, ControlKind::centredText, "　　　パズル完成おめでとうございます", 31, 14,
                    128, 30},
};
const std::array progressControls{
    ControlTemplate{1003, ControlKind::progressBar, "Progress1", 14, 7, 139, 19},
};

const std::array dialogs{
    DialogTemplate{119, "「ヴェルモラ」のバージョン情報", 202, 81, dialogFont, 9, true, false, true,
                   true, aboutControls},
    DialogTemplate{120, "添付メッセージ", 214, 61, dialogFont, 9, true, false, true, true,
                   messageControls},
    DialogTemplate{131, "完成", 187, 73, dialogFont, 9, false, false, true, true,
                   congratulationControls},
    DialogTemplate{127, "", 171, 33, dialogFont, 9, true, true, true, false, progressControls},
    DialogTemplate{117, "プレビュー", 79, 115, dialogFont, 9, false, false, false, true, {}, true,
                   true},
};

}  // namespace

const MenuTemplate* findMenuTemplate(int menuId, std::size_t* count)
{
    if (menuId != 113)
        return nullptr;
    if (count)
        *count = mainMenu.size();
    return mainMenu.data();
}

const DialogTemplate* findDialogTemplate(int dialogId)
{
    for (const DialogTemplate& dialog : dialogs)
        if (dialog.id == dialogId)
            return &dialog;
    return nullptr;
}
