#include "core/settings/settings_file.h"

#include <cstddef>

#include "core/settings/setting_values.h"

namespace wordsnap {

namespace {

constexpr const char* kMiscSection = "Misc";
constexpr const char* kNetworkSection = "Network";
constexpr const char* kFontSection = "Print List Font";

constexpr const char* kDefaultDataFileName = "\\KEY.WSN";

// "Last File 1" to "Last File 5". Appended rather than built with operator+,
// which trips a false -Wrestrict alarm of the i686 compiler.
std::string RecentFileKey(std::size_t slot) {
  std::string key = "Last File ";
  key += std::to_string(slot + 1);
  return key;
}

// Reads one key of the settings file through a buffer of the given size.
class SettingsReader {
 public:
  explicit SettingsReader(ProfileStore& profiles) : profiles_(profiles) {}

  std::string Text(const char* section, const std::string& key, const std::string& fallback,
                   std::size_t bufferSize) {
    // The profile store cuts already; cutting here too keeps the limits whatever it does.
    return CutToReadBuffer(profiles_.ReadProfileValue(kSettingsFileName, section, key, fallback, bufferSize),
                           bufferSize);
  }
  std::string Value(const char* section, const char* key, const std::string& fallback) {
    return Text(section, key, fallback, kValueReadBuffer);
  }
  // A missing key reads as the default, written as the file would hold it.
  bool Bool(const char* section, const char* key, bool fallback) {
    return ReadBoolValue(Value(section, key, WriteBoolValue(fallback)));
  }
  std::int32_t Integer(const char* section, const char* key, std::int64_t fallback) {
    return ReadIntegerValue(Value(section, key, std::to_string(fallback)));
  }

 private:
  ProfileStore& profiles_;
};

class SettingsWriter {
 public:
  explicit SettingsWriter(ProfileStore& profiles) : profiles_(profiles) {}

  void Text(const char* section, const std::string& key, const std::string& value) {
    if (!profiles_.WriteProfileValue(kSettingsFileName, section, key, value.substr(0, kSettingTextMaxLength))) {
      failed_ = true;
    }
  }
  void Bool(const char* section, const char* key, bool value) { Text(section, key, WriteBoolValue(value)); }
  void Integer(const char* section, const char* key, std::int64_t value) {
    Text(section, key, WriteIntegerValue(value));
  }
  bool AllWritten() const { return !failed_; }

 private:
  ProfileStore& profiles_;
  bool failed_ = false;
};

}  // namespace

void LoadSettings(Settings& settings, ProfileStore& profiles, const std::string& dataDir) {
  SettingsReader read(profiles);
  const char* misc = kMiscSection;
  // The defaults are the Settings' own initial values.
  const Settings d;
  const PrintListFont& df = d.printListFont;

  settings.mainWindowLeft = read.Integer(misc, "Main Window Left", d.mainWindowLeft);
  settings.mainWindowTop = read.Integer(misc, "Main Window Top", d.mainWindowTop);
  settings.mainWindowWidth = read.Integer(misc, "Main Window Width", d.mainWindowWidth);
  settings.mainWindowHeight = read.Integer(misc, "Main Window Height", d.mainWindowHeight);
  settings.currentFile = read.Text(misc, "Current File", "", kCurrentFileReadBuffer);
  if (settings.currentFile.empty()) settings.currentFile = dataDir + kDefaultDataFileName;
  settings.maximized = read.Bool(misc, "Maximized", d.maximized);
  settings.solitaryUsage = read.Bool(misc, "Solitary Usage", d.solitaryUsage);
  settings.caseSensative = ReadCaseSensativeValue(read.Value(misc, "Case Sensative", std::to_string(d.caseSensative)));
  settings.useCounterColumn = read.Bool(misc, "Use Counter Column", d.useCounterColumn);
  settings.useSuffix = read.Bool(misc, "Use Suffix", d.useSuffix);
  settings.retypeSuffix = read.Bool(misc, "Retype Suffix", d.retypeSuffix);
  settings.usePunctuation = read.Bool(misc, "Use Punctuation", d.usePunctuation);
  settings.delay = read.Bool(misc, "Delay", d.delay);
  settings.americanDictionary = read.Bool(misc, "American Dictionary", d.americanDictionary);
  settings.delaySeconds = ReadRealValue(read.Value(misc, "Delay Seconds", WriteDelaySecondsValue(d.delaySeconds)));
  settings.delayCharacters = read.Integer(misc, "Delay Characters", d.delayCharacters);
  settings.useClipboard = read.Bool(misc, "Use Clipboard", d.useClipboard);
  settings.useTray = read.Bool(misc, "Use Tray", d.useTray);
  settings.useClose = read.Bool(misc, "Use Close", d.useClose);
  settings.doHint = read.Bool(misc, "Do Hint", d.doHint);
  settings.clipSetting = read.Integer(misc, "Clip Setting", d.clipSetting);
  settings.duplicateSetting = read.Integer(misc, "Duplicate Setting", d.duplicateSetting);
  settings.hintPosition = read.Integer(misc, "Hint Position", d.hintPosition);
  for (std::size_t slot = 0; slot < settings.lastFiles.size(); ++slot) {
    settings.lastFiles[slot] = read.Text(misc, RecentFileKey(slot), "", kRecentFileReadBuffer);
  }
  settings.lastDateFormat = read.Integer(misc, "Last Date Format", d.lastDateFormat);
  settings.lastTimeFormat = read.Integer(misc, "Last Time Format", d.lastTimeFormat);
  settings.suppressZerosInDate = read.Bool(misc, "Suppress Zeros In Date", d.suppressZerosInDate);
  settings.suppressZerosInTime = read.Bool(misc, "Suppress Zeros In Time", d.suppressZerosInTime);

  settings.networkMode = read.Bool(kNetworkSection, "Network Mode", d.networkMode);
  settings.autoSync = read.Bool(kNetworkSection, "Auto Sync", d.autoSync);
  settings.syncMinutes = ReadSyncMinutesValue(read.Value(kNetworkSection, "Sync Minutes", std::to_string(d.syncMinutes)));

  PrintListFont& font = settings.printListFont;
  font.color = ReadIntegerValue(read.Text(kFontSection, "Color", std::to_string(df.color), kFontValueReadBuffer));
  font.name = read.Text(kFontSection, "Font Name", df.name, kFontValueReadBuffer);
  font.size = ReadIntegerValue(read.Text(kFontSection, "Size", std::to_string(df.size), kFontValueReadBuffer));
  settings.bold = read.Bool(kFontSection, "Bold", df.bold);
  settings.italic = read.Bool(kFontSection, "Italic", df.italic);
  font.bold = settings.bold;
  font.italic = settings.italic;
}

bool SaveSettings(Settings& settings, ProfileStore& profiles) {
  SettingsWriter write(profiles);
  const char* misc = kMiscSection;

  write.Integer(misc, "Main Window Left", settings.mainWindowLeft);
  write.Integer(misc, "Main Window Top", settings.mainWindowTop);
  write.Integer(misc, "Main Window Width", settings.mainWindowWidth);
  write.Integer(misc, "Main Window Height", settings.mainWindowHeight);
  write.Bool(misc, "Maximized", settings.maximized);
  write.Bool(misc, "Solitary Usage", settings.solitaryUsage);
  write.Integer(misc, "Case Sensative", settings.caseSensative);
  write.Bool(misc, "Use Counter Column", settings.useCounterColumn);
  write.Bool(misc, "Use Suffix", settings.useSuffix);
  write.Bool(misc, "Retype Suffix", settings.retypeSuffix);
  write.Bool(misc, "Use Punctuation", settings.usePunctuation);
  write.Bool(misc, "American Dictionary", settings.americanDictionary);
  write.Bool(misc, "Delay", settings.delay);
  write.Text(misc, "Delay Seconds", WriteDelaySecondsValue(settings.delaySeconds));
  write.Integer(misc, "Delay Characters", settings.delayCharacters);
  write.Bool(misc, "Use Clipboard", settings.useClipboard);
  write.Bool(misc, "Do Hint", settings.doHint);
  write.Bool(misc, "Use Tray", settings.useTray);
  write.Bool(misc, "Use Close", settings.useClose);
  write.Integer(misc, "Clip Setting", settings.clipSetting);
  write.Integer(misc, "Duplicate Setting", settings.duplicateSetting);
  write.Integer(misc, "Hint Position", settings.hintPosition);
  write.Text(misc, "Current File", settings.currentFile);
  for (std::size_t slot = 0; slot < settings.lastFiles.size(); ++slot) {
    write.Text(misc, RecentFileKey(slot), settings.lastFiles[slot]);
  }
  write.Integer(misc, "Last Date Format", settings.lastDateFormat);
  write.Integer(misc, "Last Time Format", settings.lastTimeFormat);
  write.Bool(misc, "Suppress Zeros In Date", settings.suppressZerosInDate);
  write.Bool(misc, "Suppress Zeros In Time", settings.suppressZerosInTime);

  write.Bool(kNetworkSection, "Network Mode", settings.networkMode);
  write.Bool(kNetworkSection, "Auto Sync", settings.autoSync);
  write.Integer(kNetworkSection, "Sync Minutes", settings.syncMinutes);

  const PrintListFont& font = settings.printListFont;
  write.Integer(kFontSection, "Color", font.color);
  write.Text(kFontSection, "Font Name", font.name);
  write.Integer(kFontSection, "Size", font.size);
  settings.bold = font.bold;
  settings.italic = font.italic;
  write.Bool(kFontSection, "Bold", settings.bold);
  write.Bool(kFontSection, "Italic", settings.italic);
  return write.AllWritten();
}

}  // namespace wordsnap
