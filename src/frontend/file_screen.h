#pragma once
// The file screen: save the running game under a name, load a save or delete one.
// Opened from the top bar (saving or loading) and from the menu (loading).
#include <filesystem>
#include <string>

#include "frontend/front_host.h"
#include "frontend/save_list.h"
#include "windows/text_field.h"

class FileScreen {
 public:
  FileScreen(FrontHost& host, const std::filesystem::path& saveDir, bool saving, int screenWidth);
  enum class Answer : uint8_t { kNone, kClose, kSave, kLoad };
  // After kSave or kLoad, Name() is the save to write or read.
  Answer Press(int x, int y);
  // The name field while saving: committed text, text being composed, Backspace.
  void Type(const std::string& utf8);
  void Compose(const std::string& utf8);
  void Backspace();
  // Where the name field is on screen; empty when loading.
  Rect NameArea() const;
  const std::string& Name() const { return name_.Text(); }
  const TextField& NameField() const { return name_; }
  const SaveList& List() const { return list_; }
  bool AskingOverwrite() const { return asking_; }
  // The save could not be written or read: the screen stays, the list is read again.
  void Failed();

 private:
  void Draw();

  FrontHost& host_;
  std::filesystem::path saveDir_;
  bool saving_;
  int width_;
  SaveList list_;
  TextField name_{[](const std::string& s) { return s.size() <= 50; }};
  bool asking_ = false;
};
