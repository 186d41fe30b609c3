#include "sim/mascot.h"

#include <algorithm>

#include "game/game.h"

namespace {

// The remarks are the game's own text, kept as written (the "?" in the seventh
// included).
constexpr const char* kRemarks[kMascotRemarks] = {
    "幹麻啦",
    "好像不太能繼續下去喔",
    "不認真玩不行喔",
    "好想睡覺喔",
    "想跟我一起玩？",
    "不對！不對！這樣不對…..大概吧",
    "可以把隔壁?居包圍喔、嘿嘿……",
    "嗯嗯嗯啊啊啊喔喔喔……",
    "想詢問我的意見嗎？點選我吧",
    "不要亂講話喔",
    "大概吧！",
    "遊戲開發公司好偉大",
    "遊戲企劃好偉大",
    "很辛苦吧！跟我一起在這裡",
    "嗯！人生真是多采多姿啊",
    "啊~ 好累喔",
    "三明治是sandwich伯爵發明的",
    "講什麼啊",
    "嗯！這樣嗎？不！不！不！不對！不對！",
    "這個….嗯~那個…….",
    "我可愛嗎",
    "哇列…….",
    "嗚嗚嗚嗚嗚嗚",
    "點選我吧!",
    "IT革命是什麼？",
    "嘿嘿嘿嘿嘿嘿嘿………….",
    "阿媽、飯煮好了嗎？",
    "要爆炸了也不要緊嗎",
    "????????????????????????",
    "現在只要買了Zoovana、就會得到無比的幸福",
    "青蛙呱呱叫、呱呱叫",
    "就是現在！按RESET吧！",
    "哇•••喔！",
    "你有在認真想嗎？",
    "你現在慢慢的感到想睡覺......想睡覺.........",
    "你支持哪一個政黨呢",
    "給我吃拉麵吧",
    "這個遊戲可能會自動的消失喔",
    "拿橡皮筋射你喔",
    "嘻嘻嘻,經營地順利嗎",
    "現在不用運費喔",
    "你希望職籃複賽嗎……",
};

// Labels by evaluation level -3..4 (index level + 3); the evaluations never give 0.
constexpr const char* kSalaryLabels[8] = {"薪水非常低/", "薪水太低/", "薪水稍低/", "",
                                          "薪水剛好/", "薪水稍高/", "薪水太高/", "薪水非常高/"};
constexpr const char* kTicketLabels[8] = {"入場費非常低", "入場費太低", "入場費稍低", "",
                                          "入場費剛好", "入場費稍高", "入場費太高", "入場費非常高"};

int LabelIndex(int level) { return std::clamp(level, -3, 4) + 3; }

}  // namespace

const char* MascotRemarkText(int i) { return kRemarks[std::clamp(i, 0, kMascotRemarks - 1)]; }

std::string MascotRemark(Game& game) { return kRemarks[game.random(kMascotRemarks)]; }

std::string MascotAdvice(const SimState& sim) {
  return std::string(kSalaryLabels[LabelIndex(sim.SalaryLevel)]) + kTicketLabels[LabelIndex(sim.TicketLevel)];
}
