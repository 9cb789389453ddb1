#include "examples/panelkit-demo/pages.hpp"

namespace panelkit2::demo {

namespace {

std::vector<Page> MakePages() {
    return {
        {"Logging",
         {"What the service writes down while it runs."},
         {CheckItem{"Enable logging", "log=on", "log=off"},
          CheckItem{"Keep the log files of the last 30 days instead of the last 7", "retain=30",
                    "retain=7"},
          CheckItem{
              "Write a detailed trace of every request the service answers, for support cases",
              "trace=on", ""}}},
        {"Log level",
         {"Choose how much detail goes into the log."},
         {OptionsItem{
             "How much should the service write to its log?",
             {{"Errors only", "level=error"},
              {"Warnings and errors", "level=warning"},
              {"Information, warnings and errors", "level=info"},
              {"Everything, including debugging details for support cases", "level=debug"}}}}},
        {"Updates",
         {"How the service stays up to date."},
         {CheckItem{"Check for updates automatically", "updates=auto", "updates=manual"},
          CheckItem{"Install security fixes without asking", "security=silent", "security=ask"},
          CheckItem{"Include preview releases", "channel=preview", "channel=stable"}}},
        {"Region and language",
         {"Formats and messages follow these settings."},
         {ListsItem{{{"Country or region",
                      {{"United Kingdom", "region=gb"},
                       {"United States", "region=us"},
                       {"Germany", "region=de"},
                       {"Japan", "region=jp"}}},
                     {"Language",
                      {{"English", "lang=en"},
                       {"German", "lang=de"},
                       {"French", "lang=fr"},
                       {"Japanese", "lang=ja"}}},
                     {"Date format",
                      {{"31/12/2026", "date=dmy"},
                       {"12/31/2026", "date=mdy"},
                       {"2026-12-31", "date=iso"}}}}}}},
        {"Contact and time zone",
         {"Who hears from the service, and in which time zone its reports are dated."},
         {RowsItem{{{"Name", "contact-name", "Ada Lovelace"},
                    {"E-mail", "contact-mail", "ada@example.org"}}},
          ListItem{"Time zone",
                   {{"UTC", "tz=utc"},
                    {"Europe/London", "tz=london"},
                    {"Europe/Berlin", "tz=berlin"},
                    {"America/New_York", "tz=new-york"},
                    {"Asia/Tokyo", "tz=tokyo"},
                    {"Australia/Sydney", "tz=sydney"}},
                   "Europe/Berlin"}}},
        {"Backups",
         {"How long copies are kept, and where they go."},
         {SlideItem{"How long should backups be kept?",
                    {{"A day", "keep=1d", ""},
                     {"A week", "keep=7d", "Seven daily copies, about 1 GB"},
                     {"A month", "keep=30d", "Thirty daily copies, about 4 GB"},
                     {"A year", "keep=365d", "Daily copies for a month, then one a month"}},
                    "A week"},
          NumberItem<int32_t>{"Port of the backup server",
                              1,
                              65535,
                              8873,
                              {{1, 1023, "port=system"},
                               {1024, 49151, "port=registered"},
                               {49152, 65535, "port=private"}}}}},
        {"Resources",
         {"What the service may take from this machine."},
         {ShareItem{"Share of the processor time",
                    2,
                    0,
                    1,
                    0.25f,
                    {{0, 0.5f, "cpu=light", "Leaves most of the processor to other work"},
                     {0.5f, 1, "cpu=heavy", "Other programs may slow down"}}},
          NumberItem<float>{"Memory ratio",
                            0.5f,
                            4,
                            1.5f,
                            {{0.5f, 1, "memory=tight"}, {1, 4, "memory=generous"}}}}},
        {"Notifications",
         {"Which events reach the contact, and a note added to every message."},
         {ListItem{"Send a message when",
                   {{"A backup fails", "notify=backup-failed"},
                    {"A backup completes", "notify=backup-done"},
                    {"An update is installed", "notify=updated"},
                    {"The disk is nearly full", "notify=disk-full"}},
                   "A backup fails|The disk is nearly full",
                   true},
          TextItem{"Note added to every message", "footer=custom",
                   "Sent by the backup service.\nReply to reach the administrator."}}},
        {"Review: every kind at once",
         {"A last look at one field of each kind.", "Finish prints everything chosen."},
         {CheckItem{"Start the service now", "start=now", "start=later"},
          OptionsItem{"Start with the system?", {{"Yes", "boot=yes"}, {"No", "boot=no"}}},
          ListsItem{{{"Theme", {{"Light", "theme=light"}, {"Dark", "theme=dark"}}}}},
          RowsItem{{{"Host name", "host", "backup-01"}}},
          NumberItem<int32_t>{"Workers", 1, 64, 4, {{1, 64, "workers"}}},
          NumberItem<float>{"Timeout in seconds", 0.5f, 60, 2.5f, {{0.5f, 60, "timeout"}}},
          ListItem{"Protocol", {{"HTTPS", "proto=https"}, {"SFTP", "proto=sftp"}}, "HTTPS"},
          ListItem{
              "Compress", {{"Logs", "zip=logs"}, {"Backups", "zip=backups"}}, "Logs|Backups", true},
          SlideItem{
              "Priority",
              {{"Low", "prio=low", ""}, {"Normal", "prio=normal", ""}, {"High", "prio=high", ""}},
              "Normal"},
          ShareItem{"Bandwidth share", 1, 0, 1, 0.5f, {{0, 1, "bandwidth"}}},
          TextItem{"Remarks", "remarks", ""}}},
    };
}

std::vector<GalleryEntry> MakeGallery() {
    return {
        {"Check", CheckItem{"Enable logging", "log=on", "log=off"}},
        {"Radio", OptionsItem{"How much should the service write to its log?",
                              {{"Errors only", "level=error"},
                               {"Warnings and errors", "level=warning"},
                               {"Everything", "level=debug"}}}},
        {"Command", CommandItem{"Test the connection", "test"}},
        {"StringBox",
         RowsItem{{{"Name", "name", "Ada Lovelace"}, {"E-mail", "mail", "ada@example.org"}}}},
        {"TextArea", TextItem{"Note added to every message", "footer", "Sent by the service."}},
        {"Combo",
         ListsItem{{{"Country or region", {{"Germany", "region=de"}, {"Japan", "region=jp"}}},
                    {"Language", {{"German", "lang=de"}, {"Japanese", "lang=ja"}}}}}},
        {"List",
         ListItem{"Time zone",
                  {{"UTC", "tz=utc"}, {"Europe/Berlin", "tz=berlin"}, {"Asia/Tokyo", "tz=tokyo"}},
                  "Europe/Berlin"}},
        {"MultiList",
         ListItem{
             "Send a message when",
             {{"A backup fails", "fail"}, {"A backup completes", "done"}, {"Disk full", "disk"}},
             "A backup fails|Disk full",
             true}},
        {"Slide", SlideItem{"How long should backups be kept?",
                            {{"A day", "keep=1d", ""},
                             {"A week", "keep=7d", "Seven daily copies"},
                             {"A month", "keep=30d", ""}},
                            "A week"}},
        {"ContinuousSlide",
         ShareItem{"Share of the processor time",
                   2,
                   0,
                   1,
                   0.25f,
                   {{0, 0.5f, "cpu=light", "Leaves most of the processor to other work"}}}},
        {"NumBox", NumberItem<int32_t>{"Port of the backup server", 1, 65535, 8873, {}}},
        {"RealNumBox", NumberItem<float>{"Memory ratio", 0.5f, 4, 1.5f, {}}},
    };
}

}  // namespace

const std::vector<GalleryEntry>& Gallery() {
    static const std::vector<GalleryEntry> gallery = MakeGallery();
    return gallery;
}

const std::vector<Page>& Pages() {
    static const std::vector<Page> pages = MakePages();
    return pages;
}

}  // namespace panelkit2::demo
