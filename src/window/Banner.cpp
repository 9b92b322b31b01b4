#include "window/Banner.h"

#include "shell/GameTitle.h"

namespace Banner {

int RowBlue(int row, int height) { return ((height - row) * 255) / height; }

const std::array<BannerLine, 5>& Lines() {
    static const std::array<BannerLine, 5> lines{{
        {10, 10, std::string("『") + kGameTitle + "』をお買い求めいただき、まことにありがとうございます。"},
        {10, 50, "このたびは、製品の不具合により、お客様各位に多大なご迷惑を"},
        {10, 70, "おかけしましたこと、深くお詫び申し上げます。"},
        {10, 95, "本プログラムは製品の不具合を修正するものです。"},
        {10, 130, "[アップデート開始] ボタンで自動的にアップデートを開始します。"},
    }};
    return lines;
}

}  // namespace Banner
