#include <array>
#include <span>
#include <string_view>

#include "game/game.h"
#include "sim/sim_steps.h"
#include "sim/walkers.h"

namespace {

constexpr std::string_view kAtEnclosure[] = {
    "帥呆了!", "酷喔!", "真可愛鎝", "最棒了隳", "很棒耶!", "真令人興奮隳", "長得好怪喔…….", "不錯喔!",
    "真是有趣的動物", "真是奇怪的動物", "真是滑稽的動物", "真特別", "真是太可愛了", "原來是這樣的動物！",
    "真可愛、太令人意外了", "很紅喔", "不大討人喜歡", "看起來很笨拙", "一點都不可愛", "好髒喔"};
constexpr std::string_view kBored[] = {"東西好少！", "好無聊喔", "真想看看其他東西呢", "有沒有其他東西可以看呢",
                                       "真想看看其他的動物啊", "動物很少耶", "怎麼只有一點點動物啊"};
constexpr std::string_view kToiletNeed[] = {"哇！尿褲褲了", "啊！好想上廁所喔", "快尿出來了啦", "沒有廁所嗎",
                                            "廁所在哪裡", "真希望有廁所可以用", "我….我快忍不住了…＃※◎"};
constexpr std::string_view kTired[] = {"好累喔", "真想休息一下", "腳好酸喔", "好想坐下來喔",
                                       "不知道哪裡有可以坐的地方", "繼續走的話會很累耶", "真希望現在有椅子可以坐",
                                       "真的沒有椅子嗎", "好想坐在椅子上休息一下喔"};
// "沒有路標嗎" stands twice, which doubles its weight.
constexpr std::string_view kLost[] = {"很難理解呢＊＃", "沒有路標嗎", "真不知道該往哪裡去",
                                      "唉！都不知道哪裡有東西可以看", "沒有路標嗎", "有沒有路標啊",
                                      "誰可以為我服務一下", "真想看到路標"};
constexpr std::string_view kPurchase[] = {"的東西還不錯喔", "的商品讚喔", "現在是當紅炸子雞呢",
                                          "賣的東西很好耶", "的東西很酷喔", "的東西是最棒的",
                                          "的東西還好啦", "的東西水喔", "的東西很炫喔"};
constexpr std::string_view kBench[] = {"還是坐著比較舒服的啦", "坐下來的話腳會比較舒服喔", "顯然有椅子真好",
                                       "有椅子真好", "啊~可以坐下來休息囉"};
constexpr std::string_view kSign[] = {"有指標就不會迷路了", "有指標方便多了呢", "多虧有指標，逛動物園輕鬆多了",
                                      "好家在有配置圖，讓我不會迷路", "啊~有指標真好"};
constexpr std::string_view kToilet[] = {"嗯~還好有廁所，終於…….＃※◎", "啊~還好有廁所，得救囉", "真高興有廁所可以用",
                                        "哇！有廁所可以用耶", "有廁所的話，一切都解決了", "果然廁所是必須的喔"};

constexpr std::array<std::span<const std::string_view>, 9> kRemarks = {
    kAtEnclosure, kBored, kToiletNeed, kTired, kLost, kPurchase, kBench, kSign, kToilet};

// The remark itself, once it is to be said.
[[gnu::noinline]] void PushComment(Game& game, int slot, std::string_view subject, int kind) {
  Person& p = game.world.Walkers[slot];
  for (int i = 0; i + 1 < static_cast<int>(p.Comments.size()); ++i) p.Comments[i] = p.Comments[i + 1];
  auto list = kRemarks[kind];
  std::string_view remark = list[game.random(static_cast<int>(list.size()))];
  std::string text(kind == 0 || kind == 5 ? subject : std::string_view());
  text += remark;
  p.Comments.back().Assign(text);
}

}  // namespace

void AddComment(Game& game, int slot, std::string_view subject, int kind) {
  if (kind < 0 || kind >= static_cast<int>(kRemarks.size())) return;
  // The needs are remarked on rarely: most calls end at this draw.
  if (kind >= 1 && kind <= 4 && game.random(3000) != 0) return;
  PushComment(game, slot, subject, kind);
}

void CommentCheck(Game& game, int slot) {
  const Person& p = game.world.Walkers[slot];
  if (p.Used != 1) return;
  if (p.BoredTicks >= 2500) AddComment(game, slot, "", 1);
  if (p.ToiletTicks >= 2500) AddComment(game, slot, "", 2);
  if (p.TiredTicks >= 2500) AddComment(game, slot, "", 3);
  if (p.LostTicks >= 2500) AddComment(game, slot, "", 4);
}
