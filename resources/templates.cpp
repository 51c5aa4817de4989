// The program's menu and dialog templates.
#include "platform/templates.h"

#include <array>

namespace {

const std::array fileMenu{
    MenuTemplate{"パズル一覧(&L)…\tCtrl+L", 40042},
    MenuTemplate{"画像からパズルを作る(&N)…\tCtrl+N", 40020},
    MenuTemplate{"開く(&O)…\tCtrl+O", 40006},
    MenuTemplate{"保存(&S)…\tCtrl+S", 40007},
    MenuTemplate{},
    MenuTemplate{"終了(&X)", 40004},
};
const std::array editMenu{
    MenuTemplate{"ピースの上下入れ替え(&U)", 40013},
    MenuTemplate{"端のピースを集める(&G)\tF3", 40034},
    MenuTemplate{"ピースを広げる(&W)\tF4", 40035},
};
const std::array viewMenu{
    MenuTemplate{"拡大(&I)\tCtrl++", 40030},
    MenuTemplate{"縮小(&O)\tCtrl+-", 40031},
    MenuTemplate{},
    MenuTemplate{"全体を表示(&W)", 40033},
    MenuTemplate{"25%(&2)", 40036},
    MenuTemplate{"33%(&3)", 40037},
    MenuTemplate{"50%(&5)", 40038},
    MenuTemplate{"75%(&7)", 40039},
    MenuTemplate{"100%(&1)\tCtrl+0", 40032},
    MenuTemplate{"150%(&H)", 40040},
    MenuTemplate{"200%(&D)", 40041},
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
    MenuTemplate{"プレビュー(&P)\tCtrl+P", 40005},
};
const std::array helpMenu{
    MenuTemplate{"バージョン情報(&V)", 40008},
};
const std::array mainMenu{
    MenuTemplate{"ファイル(&F)", 0, false, fileMenu},
    MenuTemplate{"編集(&E)", 0, false, editMenu},
    MenuTemplate{"表示(&V)", 0, false, viewMenu},
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
    ControlTemplate{-1, ControlKind::staticText, "　　　パズル完成おめでとうございます", 31, 14,
                    128, 30},
};
const std::array progressControls{
    ControlTemplate{1003, ControlKind::progressBar, "Progress1", 14, 7, 139, 19},
};
// A radio button of dialog 133: drawn as a push button.
constexpr ControlTemplate pushRadio(int id, const char* text, int x, int y, int width, int height)
{
    ControlTemplate control{id, ControlKind::autoRadioButton, text, x, y, width, height};
    control.pushLike = true;
    return control;
}
// A group box that ends the radio group before it and starts a new one.
constexpr ControlTemplate groupBox(const char* text, int x, int y, int width, int height)
{
    ControlTemplate control{-1, ControlKind::groupBox, text, x, y, width, height};
    control.groupStart = true;
    return control;
}
const std::array pictureChoiceControls{
    ControlTemplate{1, ControlKind::defaultPushButton, "OK", 78, 104, 50, 14},
    ControlTemplate{1007, ControlKind::autoRadioButton,
                    "完成パズルを保存します。（壁紙には設定しない）", 18, 21, 164, 16},
    ControlTemplate{1008, ControlKind::autoRadioButton, "完成パズルを保存し、壁紙に設定します。",
                    18, 41, 155, 23},
    ControlTemplate{1009, ControlKind::autoRadioButton, "なにもしない。", 18, 68, 156, 23},
};
const std::array panelControls{
    ControlTemplate{1, ControlKind::defaultPushButton, "OK", 69, 204, 50, 14},
    pushRadio(1007, "パネルに入れません", 25, 96, 137, 19),
    pushRadio(1008, "パネル（ブラウン）選択", 25, 122, 137, 19),
    pushRadio(1009, "パネル（ブラック）選択", 25, 148, 137, 19),
    pushRadio(1015, "パネル（ゴールド）選択", 25, 174, 137, 19),
    groupBox("糊付け", 14, 13, 159, 65),
    pushRadio(1012, "完成パズルを糊付けしません", 24, 28, 138, 18),
    pushRadio(1013, "完成パズルを糊付けします", 24, 52, 139, 18),
    groupBox("パネル選択", 14, 81, 158, 119),
};

const std::array picturePuzzleControls{
    ControlTemplate{-1, ControlKind::staticText, "画像ファイル", 7, 7, 60, 10},
    ControlTemplate{1201, ControlKind::staticText, "（選ばれていません）", 7, 19, 222, 10},
    ControlTemplate{1202, ControlKind::pushButton, "参照…", 235, 17, 58, 14},
    ControlTemplate{1203, ControlKind::picture, "", 7, 34, 120, 90},
    ControlTemplate{-1, ControlKind::staticText, "ピース数", 135, 34, 158, 10},
    ControlTemplate{1204, ControlKind::comboBox, "", 135, 46, 158, 14},
    ControlTemplate{-1, ControlKind::staticText, "題名", 135, 68, 158, 10},
    ControlTemplate{1205, ControlKind::edit, "", 135, 80, 158, 14},
    ControlTemplate{1206, ControlKind::staticText, "", 135, 98, 158, 10},
    ControlTemplate{1, ControlKind::defaultPushButton, "OK", 185, 132, 50, 14},
    ControlTemplate{2, ControlKind::pushButton, "キャンセル", 243, 132, 50, 14},
};

// The control as the template places it, following a resized dialog as `anchor` says.
constexpr ControlTemplate anchored(ControlTemplate control, ControlAnchor anchor)
{
    control.anchor = anchor;
    return control;
}

// The kept puzzles as thumbnails; the grid comes first, so it has the focus. The grid grows
// with the window and the buttons stay at its bottom right.
const std::array puzzleListControls{
    anchored({1401, ControlKind::thumbnailGrid, "", 7, 7, 406, 210}, ControlAnchor::stretch),
    anchored({1, ControlKind::defaultPushButton, "続ける", 201, 229, 50, 14},
             ControlAnchor::bottomRight),
    anchored({1402, ControlKind::pushButton, "最初から", 255, 229, 50, 14},
             ControlAnchor::bottomRight),
    anchored({1403, ControlKind::pushButton, "削除", 309, 229, 50, 14},
             ControlAnchor::bottomRight),
    anchored({2, ControlKind::pushButton, "閉じる", 363, 229, 50, 14},
             ControlAnchor::bottomRight),
};

// The small dialogs have a modal frame and no system menu: no close box, and only the program
// sizes them. The preview keeps its system menu, and with it the close box. The player sizes
// the Puzzles window.
constexpr bool systemMenu = true;
constexpr bool modalFrame = true;

const std::array dialogs{
    DialogTemplate{119, "「ヴェルモラ」のバージョン情報", 202, 81, dialogFont, 9, true, false, true,
                   true, aboutControls, !systemMenu, modalFrame},
    DialogTemplate{120, "添付メッセージ", 214, 61, dialogFont, 9, true, false, true, true,
                   messageControls, !systemMenu, modalFrame},
    DialogTemplate{131, "完成", 187, 73, dialogFont, 9, false, false, true, true,
                   congratulationControls, !systemMenu, modalFrame},
    DialogTemplate{132, "完成パズル画像", 202, 125, dialogFont, 9, false, false, true, true,
                   pictureChoiceControls, !systemMenu, modalFrame},
    DialogTemplate{133, "PANEL", 187, 225, dialogFont, 9, false, false, true, true,
                   panelControls, !systemMenu, modalFrame},
    DialogTemplate{127, "", 171, 33, dialogFont, 9, true, true, true, false, progressControls,
                   !systemMenu, modalFrame},
    DialogTemplate{141, "画像からパズルを作る", 300, 153, dialogFont, 9, false, false, true, true,
                   picturePuzzleControls, systemMenu, modalFrame},
    DialogTemplate{142, "パズル一覧", 420, 250, dialogFont, 9, false, false, true, true,
                   puzzleListControls, systemMenu, !modalFrame},
    DialogTemplate{117, "プレビュー", 79, 115, dialogFont, 9, false, false, false, true, {},
                   systemMenu, modalFrame},
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
