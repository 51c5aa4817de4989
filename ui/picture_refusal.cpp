// The message that tells the player why a picture file was not taken.
#include "ui/picture_refusal.h"

#include <cstdio>

#include "platform/language.h"

namespace {

constexpr const char* unreadableText = "画像ファイルが読み込めません";
constexpr const char* notAFileText =
    "画像ファイルではありません。フォルダ、パイプ、デバイスは画像として読み込めません";
constexpr const char* notAPictureText = "画像ファイルではないか、読み込めない種類の画像です";
constexpr const char* emptyText = "画像ファイルが空です（0 バイト）";
constexpr const char* cutShortText =
    "画像ファイルが途中で切れています。最後まで保存（ダウンロード）されていない、不完全なファイルです";
constexpr const char* damagedText = "画像ファイルが壊れているか、途中で切れています";
constexpr const char* outOfMemoryText = "メモリが足りないため、画像を読み込めません";
constexpr const char* fileTooLargeText =
    "ファイルが大きすぎます。%d MB までの画像ファイルを選んでください";
constexpr const char* tooManyPixelsText =
    "画像が大きすぎます（%d × %d ピクセル）。画素数が %s 以下の画像を選んでください";

// 64000000 as "64,000,000".
std::string withThousands(long long number)
{
    const std::string digits = std::to_string(number);
    std::string grouped;
    for (std::size_t at = 0; at < digits.size(); ++at) {
        if (at > 0 && (digits.size() - at) % 3 == 0)
            grouped += ',';
        grouped += digits[at];
    }
    return grouped;
}

}  // namespace

std::string pictureRefusalText(const PictureError& error)
{
    char text[512];
    switch (error.problem) {
    case PictureProblem::notAFile:
        return translate(notAFileText);
    case PictureProblem::notAPicture:
        return translate(notAPictureText);
    case PictureProblem::empty:
        return translate(emptyText);
    case PictureProblem::cutShort:
        return translate(cutShortText);
    case PictureProblem::damaged:
        return translate(damagedText);
    case PictureProblem::outOfMemory:
        return translate(outOfMemoryText);
    case PictureProblem::fileTooLarge:
        std::snprintf(text, sizeof text, translate(fileTooLargeText),
                      static_cast<int>(maxPictureFileBytes >> 20));
        return text;
    case PictureProblem::tooManyPixels:
        std::snprintf(text, sizeof text, translate(tooManyPixelsText), error.width, error.height,
                      withThousands(maxPicturePixels).c_str());
        return text;
    case PictureProblem::none:
    case PictureProblem::cannotOpen:
        break;
    }
    return translate(unreadableText);
}
