#include "ui/form_menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace mirel {
namespace {

QMenu* AddMenu(QMenuBar& bar, const char* name, const char* caption) {
  QMenu* menu = bar.addMenu(QString::fromUtf8(caption));
  menu->setObjectName(QString::fromLatin1(name));
  menu->menuAction()->setObjectName(QString::fromLatin1(name));
  return menu;
}

QAction* AddItem(QMenu& menu, const char* name, const char* caption) {
  QAction* item = menu.addAction(QString::fromUtf8(caption));
  item->setObjectName(QString::fromLatin1(name));
  return item;
}

}  // namespace

TFormMenus BuildMenus(QMenuBar& bar) {
  bar.setObjectName(QStringLiteral("MirelMenu"));
  TFormMenus m;
  m.FileMenu = AddMenu(bar, "FileMenu", "ファイル");
  m.ReadDataMenu = AddItem(*m.FileMenu, "ReadDataMenu", "えをよみこむ");
  m.OverWriteDataMenu = AddItem(*m.FileMenu, "OverWriteDataMenu", "えをうわがきほぞん");
  m.WriteDataMenu = AddItem(*m.FileMenu, "WriteDataMenu", "えになまえをつけてほぞん");
  m.FileMenu->addSeparator();
  m.ExitMenu = AddItem(*m.FileMenu, "ExitMenu", "ミレルをおわる");

  m.DrawMenu = AddMenu(bar, "DrawMenu", "ひょうじ");
  m.ReadBGMenu = AddItem(*m.DrawMenu, "ReadBGMenu", "はいけいをよみこむ");
  m.ClearBGMenu = AddItem(*m.DrawMenu, "ClearBGMenu", "はいけいをけす");
  m.ClearImageMenu = AddItem(*m.DrawMenu, "ClearImageMenu", "はいけい いがい けす");
  m.ClearAllMenu = AddItem(*m.DrawMenu, "ClearAllMenu", "ぜんぶけす");

  m.HelpMenu = AddMenu(bar, "HelpMenu", "ヘルプ");
  m.N5 = AddItem(*m.HelpMenu, "N5", "ミレルのつかいかた");
  m.N5->setEnabled(false);

  m.ToolMenu = AddMenu(bar, "ToolMenu", "ツール");
  m.ShowDataMenu = AddItem(*m.ToolMenu, "ShowDataMenu", kShowDataCaptionAtStart);
  m.ToolMenu->addSeparator();
  m.CaptureMenu = AddItem(*m.ToolMenu, "CaptureMenu", "画面をクリップボードにコピー");
  m.Save2BMPMenu = AddItem(*m.ToolMenu, "Save2BMPMenu", "画面をBMPに書き出す");
  m.Save2JPEGMenu = AddItem(*m.ToolMenu, "Save2JPEGMenu", "画面をJPEGに書き出す");
  m.SaveAllProcessMenu = AddItem(*m.ToolMenu, "SaveAllProcessMenu", "全過程をJPEGに書き出す");
  m.PrintMenu = AddItem(*m.ToolMenu, "PrintMenu", "えをいんさつする");
  m.ToolMenu->addSeparator();
  m.ExitByForce = AddItem(*m.ToolMenu, "ExitByForce", "無理やり終わる");
  m.ToolMenu->addSeparator();
  m.SaveMovieMenu = AddItem(*m.ToolMenu, "SaveMovieMenu", "全過程を動画に書き出す");
  m.ToolMenu->addSeparator();
  m.GalleryMenu = AddItem(*m.ToolMenu, "GalleryMenu", "ギャラリーをつくる");
  return m;
}

}  // namespace mirel
