#include "golden_files.h"

#include "test_histories.h"

namespace mirel::test {
namespace {

const std::string kTime = "2004 07 15 10 23 05 42";

std::string Lines(std::initializer_list<std::string> lines, const std::string& end = "\r\n") {
  std::string text;
  for (const std::string& line : lines) text += line + end;
  return text;
}

std::string Written(void (*build)(THistoryList&)) {
  THistoryList history;
  build(history);
  return WriteToString(history);
}

std::string LineBlock(const std::string& kind = "Create", const std::string& tool = "dtLine") {
  return Lines({"begin ActionData", kTime, kind, "1", "begin FigData", tool, "1", "clBlack",
                "clWhite", "0", "clBlack", "", "0 0", "5 5", "end FigData", "end ActionData"});
}

const std::string kHeader = "MIREL FILE FORMAT 1.3\r\n";

}  // namespace

std::map<std::string, std::string> GoldenFiles() {
  std::map<std::string, std::string> files;

  // The writer's output for known histories.
  files["good_every_kind.mrl"] = Written(BuildEveryKind);
  files["good_nested_stamps.mrl"] = Written(BuildNestedStamps);
  files["good_long_lines.mrl"] = Written(BuildLongLines);
  files["good_empty.mrl"] = kHeader;
  files["good_example.mrl"] =
      kHeader + Lines({"begin ActionData", "2004 07 15 10 23 05 42", "Create", "1", "begin FigData",
                       "dtLine", "4", "clBlack", "clWhite", "0", "clBlack", "", "10 20", "200 150",
                       "end FigData", "end ActionData", "begin ActionData", "2004 07 15 10 23 09 07",
                       "Change", "1", "LineColor", "begin FigData", "clRed", "end FigData",
                       "end ActionData"});

  // Older versions and every notation the reader accepts.
  files["old_v10_header_only.mrl"] = "MIREL FILE FORMAT 1.0\r\n";
  files["old_v11_time_only.mrl"] =
      "MIREL FILE FORMAT 1.1\r\n" +
      Lines({"begin ActionData", "10 23 05 42", "Create", "3", "begin FigData", "dtRectangle", "2",
             "clBlack", "clBtnFace", "0", "clBlack", "", "-10 -20", "30 40", "end FigData",
             "end ActionData", "begin ActionData", "10 23 06 00", "Delete", "3", "end ActionData"});
  files["old_v12_colours.mrl"] =
      "MIREL FILE FORMAT 1.2\n" +
      Lines({"begin ActionData", kTime, "Create", "1", "begin FigData", "dtEllipse", "1", "clred",
             "CLBTNFACE", "0", "$0000A5FF", "", "0 0", "9 9", "end FigData", "end ActionData",
             "begin ActionData", kTime, "Change", "1", "BodyColor", "begin FigData", "42495",
             "end FigData", "end ActionData", "begin ActionData", kTime, "Change", "1", "LineColor",
             "begin FigData", "  x00b469ff", "end FigData", "end ActionData", "begin ActionData",
             kTime, "Change", "1", "TextColor", "begin FigData", "0XFFFFFFFF", "end FigData",
             "end ActionData", "begin ActionData", kTime, "Change", "1", "LineColor",
             "begin FigData", "-1", "end FigData"},
            "\n") +
      "end ActionData";  // no line end at the very end
  std::string points = "begin PointData\r\n";
  for (int i = 0; i < 2100; ++i) points += std::to_string(i % 640) + " " + std::to_string(-i) + "\r\n";
  files["old_points_2100.mrl"] =
      kHeader + Lines({"begin ActionData", kTime, "Create", "1", "begin FigData", "dtPolyline", "1",
                       "clBlack", "clWhite", "0", "clBlack", "", "0 -2099", "639 0"}) +
      points + Lines({"end PointData", "end FigData", "end ActionData"});

  // Files that must not read.
  files["bad_header_14.mrl"] = "MIREL FILE FORMAT 1.4\r\n" + LineBlock();
  files["bad_header_space.mrl"] = "MIREL FILE FORMAT 1.3 \r\n" + LineBlock();
  files["bad_empty_file.mrl"] = "";
  files["bad_lowercase_kind.mrl"] = kHeader + LineBlock() + LineBlock("create");
  files["bad_unknown_kind.mrl"] = kHeader + LineBlock() + LineBlock("Unknown");
  files["bad_unknown_parameter.mrl"] =
      kHeader + LineBlock() +
      Lines({"begin ActionData", kTime, "Change", "1", "Unknown", "begin FigData", "end FigData",
             "end ActionData"});
  files["bad_tool.mrl"] = kHeader + LineBlock() + LineBlock("Create", "dtCircle");
  files["bad_truncated.mrl"] = kHeader + LineBlock() + LineBlock().substr(0, 70);
  files["bad_trailing_empty_line.mrl"] = kHeader + LineBlock() + "\r\n";
  files["bad_missing_end.mrl"] = kHeader + LineBlock() + LineBlock().substr(0, LineBlock().size() - 16);
  files["bad_colour_name.mrl"] =
      kHeader + LineBlock() +
      Lines({"begin ActionData", kTime, "Change", "1", "BodyColor", "begin FigData", "red",
             "end FigData", "end ActionData"});
  files["bad_int_range.mrl"] =
      kHeader + LineBlock() + Lines({"begin ActionData", kTime, "Delete", "4294967297", "end ActionData"});
  std::string longLine = LineBlock();
  longLine.insert(longLine.find("\r\n\r\n0 0") + 2, std::string(70000, 'a'));
  files["bad_long_line.mrl"] = kHeader + LineBlock() + longLine;
  std::string nesting = Lines({"begin ActionData", kTime, "Create", "1", "begin FigData"});
  for (int i = 0; i < 300; ++i) {
    if (i > 0) nesting += "begin FigData\r\n";
    nesting += Lines({"dtStamp", "1", "clBlack", "clWhite", "0", "clBlack", "", "0 0", "1 1",
                      "begin StampData"});
  }
  for (int i = 0; i < 300; ++i) nesting += Lines({"end StampData", "end FigData"});
  files["bad_deep_nesting.mrl"] = kHeader + LineBlock() + nesting + "end ActionData\r\n";
  std::string binary = kHeader + LineBlock();
  for (int i = 0; i < 512; ++i) binary.push_back(static_cast<char>((i * 151 + 7) % 256));
  files["bad_binary.mrl"] = binary;
  return files;
}

}  // namespace mirel::test
