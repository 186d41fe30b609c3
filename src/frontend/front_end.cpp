#include "frontend/front_end.h"

namespace {
constexpr int kMenuWidth = 640;  // the front end's own screen, under the menu
}  // namespace

void FrontEnd::Close() {
  movie_.reset();
  briefing_.reset();
  debrief_.reset();
  ending_.reset();
  credits_.reset();
  options_.reset();
  file_.reset();
  showing_ = FrontScreen::kNone;
}

void FrontEnd::ShowFilm(int movieNo) {
  Close();
  menu_.reset();
  movieNo_ = movieNo;
  const std::string file = FilmFile(movieNo);
  if (file.empty()) return ShowMenu(true);
  host_.StopMusic();
  movie_ = std::make_unique<MovieScreen>(host_, game_.MovieDir() / file);
  showing_ = FrontScreen::kMovie;
  nextTimer_ = 0;
}

// A film that ended, was skipped or could not be played: what follows it.
void FrontEnd::AfterFilm() {
  movie_.reset();
  switch (movieNo_) {
    case 3:
      debrief_ = std::make_unique<DebriefScreen>(host_, game_.Figures(), game_.LastMapWasCampaign());
      showing_ = FrontScreen::kDebrief;
      break;
    case 4:
      ending_ = std::make_unique<EndingScreen>(host_);
      showing_ = FrontScreen::kEnding;
      break;
    default:
      ShowMenu(movieNo_ == 1);
      break;
  }
}

void FrontEnd::ShowMenu(bool backFromGame) {
  Close();
  menu_ = std::make_unique<MenuScreen>(host_, backFromGame);
  showing_ = FrontScreen::kMenu;
  nextTimer_ = 0;
}

void FrontEnd::ShowBriefing(CampaignKind kind) {
  Close();
  briefing_ = std::make_unique<BriefingScreen>(host_, game_.MapsDir(), kind, game_.CampNo());
  showing_ = FrontScreen::kBriefing;
}

void FrontEnd::ShowOptions(bool overGame, int screenWidth) {
  Close();
  overGame_ = overGame;
  options_ = std::make_unique<OptionsScreen>(host_, game_.Options(), overGame, screenWidth);
  showing_ = FrontScreen::kOptions;
}

void FrontEnd::ShowFile(bool overGame, bool saving, int screenWidth) {
  Close();
  overGame_ = overGame;
  file_ = std::make_unique<FileScreen>(host_, game_.SaveDir(), saving, screenWidth);
  showing_ = FrontScreen::kFile;
}

void FrontEnd::ShowOptionsFromGame(int screenWidth) { ShowOptions(true, screenWidth); }

void FrontEnd::ShowFileFromGame(bool saving, int screenWidth) { ShowFile(true, saving, screenWidth); }

void FrontEnd::Tick() {
  const int64_t now = host_.NowMs();
  if (now < nextTimer_) return;
  switch (showing_) {
    case FrontScreen::kMovie:
      nextTimer_ = now + 20;
      if (!movie_->Timer()) AfterFilm();
      break;
    case FrontScreen::kMenu:
      menu_->Timer();
      nextTimer_ = now + menu_->IntervalMs();
      break;
    case FrontScreen::kDebrief:
      debrief_->Timer();
      nextTimer_ = now + 500;
      break;
    case FrontScreen::kEnding:
      nextTimer_ = now + EndingScreen::kIntervalMs;
      if (!ending_->Timer()) ShowMenu(true);
      break;
    case FrontScreen::kCredits:
      nextTimer_ = now + credits_->IntervalMs();
      if (!credits_->Timer()) {
        ShowMenu(true);
        if (host_.MusicOn() && !host_.MusicPlaying()) host_.PlayMusic("menu_bg.Wav", true);
      }
      break;
    default:
      break;
  }
}

// A menu item: the briefing-opening items leave the menu; settings and credits
// come back to it.
void FrontEnd::Carry(MenuChoice choice) {
  switch (choice) {
    case MenuChoice::kQuit: game_.Quit(); break;
    case MenuChoice::kContinue: ShowBriefing(CampaignKind::kContinue); break;
    case MenuChoice::kCampaign: ShowBriefing(CampaignKind::kNew); break;
    case MenuChoice::kFree: ShowBriefing(CampaignKind::kFree); break;
    case MenuChoice::kLoad: ShowFile(false, false, kMenuWidth); break;
    case MenuChoice::kSettings: ShowOptions(false, kMenuWidth); break;
    case MenuChoice::kCredits:
      host_.StopMusic();
      Close();
      credits_ = std::make_unique<CreditsScreen>(host_);
      showing_ = FrontScreen::kCredits;
      nextTimer_ = host_.NowMs() + credits_->IntervalMs();
      break;
  }
}

void FrontEnd::Press(int x, int y) {
  switch (showing_) {
    case FrontScreen::kMovie: movie_->Skip(); break;
    case FrontScreen::kMenu:
      for (MenuChoice c : menu_->Press(x, y)) {
        Carry(c);
        if (showing_ != FrontScreen::kMenu) break;  // the menu is gone
      }
      break;
    case FrontScreen::kBriefing:
      switch (briefing_->Press(x, y)) {
        case BriefingScreen::Answer::kStart: {
          host_.StopMusic();
          const std::string problem = game_.StartMap(briefing_->MapFile(), briefing_->ZooName(), briefing_->Kind());
          if (problem.empty()) Close();
          else briefing_->Refused(problem);
          break;
        }
        case BriefingScreen::Answer::kBack: ShowMenu(true); break;
        case BriefingScreen::Answer::kNone: break;
      }
      break;
    case FrontScreen::kDebrief:
      switch (debrief_->Press(x, y)) {
        case DebriefScreen::Answer::kContinue: ShowBriefing(CampaignKind::kContinue); break;
        case DebriefScreen::Answer::kBack: ShowMenu(true); break;
        case DebriefScreen::Answer::kNone: break;
      }
      break;
    case FrontScreen::kCredits:
      host_.StopClicks();  // the page's sound must not run on into the menu
      ShowMenu(true);
      break;
    case FrontScreen::kOptions:
      switch (options_->Press(x, y)) {
        case OptionsScreen::Answer::kOk: game_.ApplyOptions(options_->Values(), overGame_); [[fallthrough]];
        case OptionsScreen::Answer::kCancel:
          if (game_.Options().music == 0) host_.PreviewMusic(0);  // undo a preview the stored volume forbids
          else if (overGame_) host_.PreviewMusic(game_.Options().music);
          if (overGame_) Close(), game_.ResumePlay();
          else ShowMenu(true);
          break;
        case OptionsScreen::Answer::kNone: break;
      }
      break;
    case FrontScreen::kFile:
      switch (file_->Press(x, y)) {
        case FileScreen::Answer::kClose:
          if (overGame_) Close(), game_.ResumePlay();
          else ShowMenu(true);
          break;
        case FileScreen::Answer::kSave:
          if (game_.SaveRunning(file_->Name()).empty()) Close(), game_.ResumePlay();
          else file_->Failed();
          break;
        case FileScreen::Answer::kLoad:
          host_.StopMusic();
          if (game_.LoadSave(file_->Name()).empty()) Close();
          else file_->Failed();
          break;
        case FileScreen::Answer::kNone: break;
      }
      break;
    default:
      break;
  }
}

void FrontEnd::Move(int x, int y) {
  switch (showing_) {
    case FrontScreen::kMenu: menu_->Move(x, y); break;
    case FrontScreen::kBriefing: briefing_->Move(x, y); break;
    case FrontScreen::kDebrief: debrief_->Move(x, y); break;
    case FrontScreen::kOptions: options_->Drag(x, y); break;
    default: break;
  }
}

void FrontEnd::Release() {
  if (options_) options_->Release();
}

void FrontEnd::Key(bool backspace) {
  if (showing_ == FrontScreen::kMovie) movie_->Skip();
  if (!backspace) return;
  if (briefing_) briefing_->Backspace();
  if (file_) file_->Backspace();
}

void FrontEnd::Type(const std::string& utf8) {
  if (briefing_) briefing_->Type(utf8);
  if (file_) file_->Type(utf8);
}

void FrontEnd::Compose(const std::string& utf8) {
  if (briefing_) briefing_->Compose(utf8);
  if (file_) file_->Compose(utf8);
}

Rect FrontEnd::TextArea() const {
  if (showing_ == FrontScreen::kBriefing) return briefing_->NameArea();
  if (showing_ == FrontScreen::kFile) return file_->NameArea();
  return {};
}
