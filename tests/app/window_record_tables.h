#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "analysis/control_wnd.h"
#include "help/about_wnd.h"
#include "help/description_wnd.h"
#include "help/help_text.h"
#include "platform/windows/window.h"
#include "plot/graph_wnd.h"
#include "startup/invisible_wnd.h"

// Every window of Corvane as its layout and its class are documented, written out as data: the
// class record each registers, its window and control property records (tables of
// record_tables.h), the control events it binds and the menu items it handles. A new window is one
// more entry in each list.
namespace testing_support {

// A class record: its own operations in method-table order, one per line as name, signature and
// attributes ("Public" for "__Scope" = "Public", "Hidden" for a "Hidden" without a value), and the
// event-table entries it fills, in table order, as event and handler.
struct ClassTable {
  const char* name;
  const char* superclass;
  const char* operations;
  const char* filledEvents;
};

inline const std::vector<ClassTable>& ProgramClasses() {
  static const std::vector<ClassTable> classes = {
      {"ControlWnd.ControlWnd", "Window", R"(
        Layout %% Public
        CreateControls %% Public
        _CreateControls0 %% Public Hidden
        NVarsFld %o<TextArea>% Public
        EigenFld %o<TextArea>% Public
        ClearBtn %o<PushButton>% Public
        CalculateBtn %o<PushButton>% Public
        StaticText3 %o<Label>% Public
        Canvas3 %o<Canvas>% Public
        StaticText4 %o<Label>% Public
        StaticText9 %o<Label>% Public
        Rectangle1 %o<Rectangle>% Public
        StaticText1 %o<Label>% Public
        PrintBtn %o<PushButton>% Public
        GraphBtn %o<PushButton>% Public
        Canvas1 %o<Canvas>% Public
        NVarsFld_KeyDown %b%o<TextArea>s Public
        EigenFld_KeyDown %b%o<TextArea>s Public
        ClearBtn_Action %%o<PushButton> Public
        CalculateBtn_Action %%o<PushButton> Public
        PrintBtn_Action %%o<PushButton> Public
        GraphBtn_Action %%o<PushButton> Public
        Canvas1_MouseDown %b%o<Canvas>i4i4 Public
        AddMenuHandlers %%o<Window> Public
        Event_Close %% Public
        Event_Activate %% Public
        Event_EnableMenuItems %% Public
        _DescriptionMenuItem_Action %b% Public
        _AboutUlk_Action %b% Public
      )",
       R"(
        Layout Layout
        CreateControls CreateControls
        AddMenuHandlers AddMenuHandlers
        Close Event_Close
        EnableMenuItems Event_EnableMenuItems
        Activate Event_Activate
      )"},
      {"AboutWnd.AboutWnd", "Window", R"(
        Layout %% Public
        CreateControls %% Public
        _CreateControls0 %% Public Hidden
        StaticText5 %o<Label>% Public
        Canvas1 %o<Canvas>% Public
        Canvas2 %o<Canvas>% Public
        StaticText1 %o<Label>% Public
        Event_KeyDown %b%s Public
        Event_MouseDown %b%i4i4 Public
      )",
       R"(
        Layout Layout
        CreateControls CreateControls
        KeyDown Event_KeyDown
        MouseDown Event_MouseDown
      )"},
      {"InvisibleWnd.InvisibleWnd", "Window", R"(
        Layout %% Public
        CreateControls %% Public
        WindowMenu %o<MenuItem>% Public
        AboutUlk %o<AppleMenuItem>% Public
        AboutMenuItem %o<MenuItem>% Public
        DescriptionMenuItem %o<MenuItem>% Public
        ControlMenuItem %o<MenuItem>% Public
        UntitledMenu0 %o<MenuItem>% Public
        EditClear %o<MenuItem>% Public
        EditPaste %o<MenuItem>% Public
        EditCopy %o<MenuItem>% Public
        EditCut %o<MenuItem>% Public
        UntitledMenu1 %o<MenuItem>% Public
        EditUndo %o<MenuItem>% Public
        FileMenu %o<MenuItem>% Public
        FileQuit %o<QuitMenuItem>% Public
        Print %o<MenuItem>% Public
        UntitledMenu3 %o<MenuItem>% Public
        Event_Open %% Public
      )",
       R"(
        Layout Layout
        CreateControls CreateControls
        Open Event_Open
      )"},
      {"GraphWnd.GraphWnd", "Window", R"(
        Layout %% Public
        CreateControls %% Public
        _CreateControls0 %% Public Hidden
        Canvas1 %o<Canvas>% Public
        CloseBtn %o<PushButton>% Public
        CopyBtn %o<PushButton>% Public
        SaveBtn %o<PushButton>% Public
        PrintBtn %o<PushButton>% Public
        Canvas1_Open %%o<Canvas> Public
        CloseBtn_Action %%o<PushButton> Public
        CopyBtn_Action %%o<PushButton> Public
        SaveBtn_Action %%o<PushButton> Public
        PrintBtn_Action %%o<PushButton> Public
      )",
       R"(
        Layout Layout
        CreateControls CreateControls
      )"},
      {"DescriptionWnd.DescriptionWnd", "Window", R"(
        Layout %% Public
        CreateControls %% Public
        _CreateControls0 %% Public Hidden
        DescribeFld %o<TextArea>% Public
        DescribeFld2 %o<TextArea>% Public
        WindowMenu %o<MenuItem>% Public
        AboutUlk %o<AppleMenuItem>% Public
        AboutMenuItem %o<MenuItem>% Public
        DescriptionMenuItem %o<MenuItem>% Public
        ControlMenuItem %o<MenuItem>% Public
        UntitledMenu0 %o<MenuItem>% Public
        EditClear %o<MenuItem>% Public
        EditPaste %o<MenuItem>% Public
        EditCopy %o<MenuItem>% Public
        EditCut %o<MenuItem>% Public
        UntitledMenu1 %o<MenuItem>% Public
        EditUndo %o<MenuItem>% Public
        FileMenu %o<MenuItem>% Public
        FileQuit %o<QuitMenuItem>% Public
        Print %o<MenuItem>% Public
        UntitledMenu3 %o<MenuItem>% Public
        AddMenuHandlers %%o<Window> Public
        Event_Open %% Public
        Event_EnableMenuItems %% Public
        _ControlMenuItem_Action %b% Public
        _AboutMenuItem_Action %b% Public
        _Print_Action %b% Public
      )",
       R"(
        Layout Layout
        CreateControls CreateControls
        AddMenuHandlers AddMenuHandlers
        Open Event_Open
        EnableMenuItems Event_EnableMenuItems
      )"},
      {"Menu.Menu", "MenuBar", R"(
        Constructor %% Public
        Untitled1 %% Public
        Untitled2 %% Public
        Untitled3 %% Public
      )",
       ""},
      {"HandleAboutMenu", "Application", R"(
        Event_EnableMenuItems %% Public
        _AboutUlk_Action %b% Public
        _AboutMenuItem_Action %b% Public
        Constructor %% Public
      )",
       R"(
        EnableMenuItems Event_EnableMenuItems
      )"},
  };
  return classes;
}

// A control event bound to one of the window's operations, with the delegate's signature text.
struct BindingRow {
  std::string control;
  int32_t eventNumber;
  std::string handler;
  std::string signature;
  bool operator==(const BindingRow&) const = default;
};

// A menu item the window handles, and its handler.
struct MenuHandlerRow {
  std::string item;
  std::string handler;
  bool operator==(const MenuHandlerRow&) const = default;
};

// A window: how a test opens it, its window record, the tables of its control records, its
// controls in creation order, its control-event bindings and its menu handlers.
struct WindowTable {
  const char* className;
  std::function<std::shared_ptr<platform::Window>()> open;
  const char* windowRecord;
  std::vector<const char*> controlTables;
  std::vector<const char*> creationOrder;
  std::vector<BindingRow> bindings;
  std::vector<MenuHandlerRow> menuHandlers;
};

inline const char kControlWndRecord[] = R"(
  Placement                | Int32   | 0
  Width                    | Int32   | 500
  Height                   | Int32   | 550
  MinWidth                 | Int32   | 64
  MinHeight                | Int32   | 64
  MaxWidth                 | Int32   | 500
  MaxHeight                | Int32   | 500
  Frame                    | Int32   | 0
  Composite                | Boolean | True
  HasBackColor             | Boolean | True
  BackColor                | Color   | #FFFFFF
  Title                    | String  | "Corvane"
  Visible                  | Boolean | True
  FullScreen               | Boolean | False
  MenuBarVisible           | Boolean | True
  CloseButton              | Boolean | True
  Resizeable               | Boolean | False
  LiveResize               | Boolean | False
  MaximizeButton           | Boolean | False
  MinimizeButton           | Boolean | True
  MacProcID                | Int32   | 0
  Left                     | Int32   | 0
  Top                      | Int32   | 0
  _mInitialControlsCreated | Int32   | 0
)";

inline const char kControlWndTextAreas[] = R"(
  Name                       | String  | "NVarsFld"  | "EigenFld"
  Index                      | Int32   | -2147483648 | -2147483648
  Left                       | Int32   | 230         | 20
  Top                        | Int32   | 150         | 210
  Width                      | Int32   | 50          | 350
  Height                     | Int32   | 20          | 280
  LockLeft                   | Boolean | True        | True
  LockTop                    | Boolean | True        | True
  LockRight                  | Boolean | True        | True
  LockBottom                 | Boolean | True        | True
  TabPanelIndex              | Int32   | 0           | 0
  TabIndex                   | Int32   | 0           | 1
  TabStop                    | Boolean | True        | True
  Border                     | Boolean | True        | True
  Multiline                  | Boolean | True        | True
  ScrollbarHorizontal        | Boolean | False       | False
  ScrollbarVertical          | Boolean | False       | True
  Styled                     | Boolean | False       | True
  UseFocusRing               | Boolean | True        | False
  TextColor                  | Color   | #000000     | #000000
  BackColor                  | Color   | #FFFFFF     | #FFFFFF
  Enabled                    | Boolean | True        | True
  Format                     | String  | ""          | ""
  Visible                    | Boolean | True        | True
  HelpTag                    | String  | ""          | ""
  AutoDeactivate             | Boolean | True        | True
  HideSelection              | Boolean | True        | True
  TextFont                   | String  | "Courier"   | "Courier"
  Bold                       | Boolean | False       | False
  Italic                     | Boolean | False       | False
  Underline                  | Boolean | False       | False
  Text                       | String  | ""          | ""
  Mask                       | String  | ""          | ""
  ReadOnly                   | Boolean | False       | False
  LimitText                  | Int32   | 2           | 0
  AcceptTabs                 | Boolean | False       | False
  Alignment                  | Int32   | 2           | 0
  AutomaticallyCheckSpelling | Boolean | True        | True
  DataSource                 | String  | ""          | ""
  DataField                  | String  | ""          | ""
  InitialParent              | String  | ""          | ""
)";

inline const char kControlWndPushButtons[] = R"(
  Name           | String  | "ClearBtn"  | "CalculateBtn" | "PrintBtn"  | "GraphBtn"
  Index          | Int32   | -2147483648 | -2147483648    | -2147483648 | -2147483648
  Left           | Int32   | 269         | 30             | 400         | 400
  Top            | Int32   | 503         | 503            | 368         | 456
  Width          | Int32   | 80          | 80             | 80          | 80
  Height         | Int32   | 30          | 30             | 30          | 30
  LockLeft       | Boolean | True        | True           | True        | True
  LockTop        | Boolean | True        | True           | True        | True
  LockRight      | Boolean | True        | True           | True        | True
  LockBottom     | Boolean | True        | True           | True        | True
  TabPanelIndex  | Int32   | 0           | 0              | 0           | 0
  TabIndex       | Int32   | 2           | 3              | 10          | 11
  TabStop        | Boolean | True        | True           | True        | True
  Caption        | String  | "Clear"     | "Calculate"    | "Print"     | "Graph"
  Default        | Boolean | False       | False          | False       | False
  Cancel         | Boolean | False       | False          | False       | False
  Enabled        | Boolean | True        | True           | True        | True
  Visible        | Boolean | True        | True           | True        | True
  HelpTag        | String  | ""          | ""             | ""          | ""
  AutoDeactivate | Boolean | True        | True           | True        | True
  ButtonStyle    | Int32   | 0           | 0              | 0           | 0
  TextFont       | String  | "System"    | "System"       | "System"    | "System"
  Bold           | Boolean | False       | False          | False       | False
  Italic         | Boolean | False       | False          | False       | False
  Underline      | Boolean | False       | False          | False       | False
  InitialParent  | String  | ""          | ""             | ""          | ""
)";

inline const char kControlWndLabels[] = R"(
  Name           | String  | "StaticText3" | "StaticText4" | "StaticText9"                          | "StaticText1"
  Index          | Int32   | -2147483648   | -2147483648   | -2147483648                            | -2147483648
  Left           | Int32   | 20            | 115           | 115                                    | 20
  Top            | Int32   | 192           | 1             | 48                                     | 150
  Width          | Int32   | 120           | 371           | 371                                    | 210
  Height         | Int32   | 19            | 50            | 20                                     | 20
  LockLeft       | Boolean | True          | True          | True                                   | False
  LockTop        | Boolean | True          | True          | True                                   | False
  LockRight      | Boolean | True          | True          | True                                   | False
  LockBottom     | Boolean | True          | True          | True                                   | False
  TabPanelIndex  | Int32   | 0             | 0             | 0                                      | 0
  TabIndex       | Int32   | 4             | 6             | 7                                      | 9
  Text           | String  | "Eigenvalues" | "Corvane"     | "Corvane © 2006 the Corvane authors"   | "Number of variables (3-99):"
  TextAlign      | Int32   | 0             | 1             | 1                                      | 0
  TextColor      | Color   | #000000       | #0000C8       | #0000C8                                | #000000
  Multiline      | Boolean | False         | False         | False                                  | False
  Enabled        | Boolean | True          | True          | True                                   | True
  Visible        | Boolean | True          | True          | True                                   | True
  Selectable     | Boolean | False         | False         | False                                  | False
  Transparent    | Boolean | False         | False         | False                                  | False
  HelpTag        | String  | ""            | ""            | ""                                     | ""
  AutoDeactivate | Boolean | True          | True          | True                                   | True
  TextFont       | String  | "System"      | "System"      | "System"                               | "System"
  Bold           | Boolean | False         | True          | True                                   | False
  Italic         | Boolean | False         | False         | False                                  | False
  Underline      | Boolean | False         | False         | False                                  | False
  DataSource     | String  | ""            | ""            | ""                                     | ""
  DataField      | String  | ""            | ""            | ""                                     | ""
  InitialParent  | String  | ""            | ""            | ""                                     | ""
)";

inline const char kControlWndCanvases[] = R"(
  Name            | String  | "Canvas3"   | "Canvas1"
  Index           | Int32   | -2147483648 | -2147483648
  Left            | Int32   | 5           | 400
  Top             | Int32   | 3           | 210
  Width           | Int32   | 78          | 74
  Height          | Int32   | 77          | 45
  LockLeft        | Boolean | True        | False
  LockTop         | Boolean | True        | False
  LockRight       | Boolean | True        | False
  LockBottom      | Boolean | True        | False
  TabPanelIndex   | Int32   | 0           | 0
  TabIndex        | Int32   | 5           | 12
  TabStop         | Boolean | True        | True
  Visible         | Boolean | True        | True
  HelpTag         | String  | ""          | ""
  AutoDeactivate  | Boolean | True        | True
  Enabled         | Boolean | True        | True
  UseFocusRing    | Boolean | False       | True
  AcceptFocus     | Boolean | False       | False
  AcceptTabs      | Boolean | False       | False
  DoubleBuffer    | Boolean | False       | False
  EraseBackground | Boolean | True        | True
  InitialParent   | String  | ""          | ""
)";

inline const char kControlWndRectangle[] = R"(
  Name             | String  | "Rectangle1"
  Index            | Int32   | -2147483648
  Left             | Int32   | 115
  Top              | Int32   | 78
  Width            | Int32   | 371
  Height           | Int32   | 2
  LockLeft         | Boolean | True
  LockTop          | Boolean | True
  LockRight        | Boolean | True
  LockBottom       | Boolean | True
  TabIndex         | Int32   | 8
  TabPanelIndex    | Int32   | 0
  Visible          | Boolean | True
  HelpTag          | String  | ""
  AutoDeactivate   | Boolean | True
  Enabled          | Boolean | True
  FillColor        | Color   | #0000FF
  BorderWidth      | Int32   | 1
  TopLeftColor     | Color   | #000080
  BottomRightColor | Color   | #0000FF
  InitialParent    | String  | ""
)";

inline const char kAboutWndRecord[] = R"(
  Placement                | Int32   | 0
  Width                    | Int32   | 300
  Height                   | Int32   | 200
  MinWidth                 | Int32   | 64
  MinHeight                | Int32   | 64
  MaxWidth                 | Int32   | 32000
  MaxHeight                | Int32   | 32000
  Frame                    | Int32   | 2
  Composite                | Boolean | True
  HasBackColor             | Boolean | True
  BackColor                | Color   | #FFFFFF
  Title                    | String  | ""
  Visible                  | Boolean | True
  FullScreen               | Boolean | False
  MenuBarVisible           | Boolean | True
  CloseButton              | Boolean | False
  Resizeable               | Boolean | False
  LiveResize               | Boolean | False
  MaximizeButton           | Boolean | False
  MinimizeButton           | Boolean | False
  MacProcID                | Int32   | 0
  Left                     | Int32   | 0
  Top                      | Int32   | 0
  _mInitialControlsCreated | Int32   | 0
)";

inline const char kAboutWndLabels[] = R"(
  Name           | String  | "StaticText5"                               | "StaticText1"
  Index          | Int32   | -2147483648                                 | -2147483648
  Left           | Int32   | 1                                           | 1
  Top            | Int32   | 187                                         | 6
  Width          | Int32   | 298                                         | 298
  Height         | Int32   | 13                                          | 36
  LockLeft       | Boolean | True                                        | True
  LockTop        | Boolean | True                                        | True
  LockRight      | Boolean | True                                        | True
  LockBottom     | Boolean | True                                        | True
  TabPanelIndex  | Int32   | 0                                           | 0
  TabIndex       | Int32   | 0                                           | 3
  Text           | String  | "Copyright © 2007 the Corvane authors"      | "Corvane"
  TextAlign      | Int32   | 1                                           | 1
  TextColor      | Color   | #000000                                     | #0000C8
  Multiline      | Boolean | False                                       | False
  Enabled        | Boolean | True                                        | True
  Visible        | Boolean | True                                        | True
  Selectable     | Boolean | False                                       | False
  Transparent    | Boolean | False                                       | False
  HelpTag        | String  | ""                                          | ""
  AutoDeactivate | Boolean | True                                        | True
  TextFont       | String  | "Times"                                     | "Times"
  Bold           | Boolean | True                                        | True
  Italic         | Boolean | False                                       | False
  Underline      | Boolean | False                                       | False
  DataSource     | String  | ""                                          | ""
  DataField      | String  | ""                                          | ""
  InitialParent  | String  | ""                                          | ""
)";

inline const char kAboutWndCanvases[] = R"(
  Name            | String  | "Canvas1"   | "Canvas2"
  Index           | Int32   | -2147483648 | -2147483648
  Left            | Int32   | 111         | 77
  Top             | Int32   | 60          | 161
  Width           | Int32   | 78          | 148
  Height          | Int32   | 78          | 22
  LockLeft        | Boolean | True        | True
  LockTop         | Boolean | True        | True
  LockRight       | Boolean | True        | True
  LockBottom      | Boolean | True        | True
  TabPanelIndex   | Int32   | 0           | 0
  TabIndex        | Int32   | 1           | 2
  TabStop         | Boolean | True        | True
  Visible         | Boolean | True        | True
  HelpTag         | String  | ""          | ""
  AutoDeactivate  | Boolean | True        | True
  Enabled         | Boolean | False       | False
  UseFocusRing    | Boolean | False       | False
  AcceptFocus     | Boolean | False       | False
  AcceptTabs      | Boolean | False       | False
  DoubleBuffer    | Boolean | False       | False
  EraseBackground | Boolean | True        | True
  InitialParent   | String  | ""          | ""
)";

inline const char kInvisibleWndRecord[] = R"(
  Placement                | Int32   | 0
  Width                    | Int32   | 191
  Height                   | Int32   | 132
  MinWidth                 | Int32   | 64
  MinHeight                | Int32   | 64
  MaxWidth                 | Int32   | 32000
  MaxHeight                | Int32   | 32000
  Frame                    | Int32   | 1
  Composite                | Boolean | False
  HasBackColor             | Boolean | False
  BackColor                | Color   | #FFFFFF
  Title                    | String  | "Untitled"
  Visible                  | Boolean | False
  FullScreen               | Boolean | False
  MenuBarVisible           | Boolean | False
  CloseButton              | Boolean | False
  Resizeable               | Boolean | False
  LiveResize               | Boolean | False
  MaximizeButton           | Boolean | False
  MinimizeButton           | Boolean | False
  MacProcID                | Int32   | 0
  Left                     | Int32   | 64
  Top                      | Int32   | 64
  _mInitialControlsCreated | Int32   | 0
)";

inline const char kGraphWndRecord[] = R"(
  Placement      | Int32   | 0
  Width          | Int32   | 640
  Height         | Int32   | 500
  MinWidth       | Int32   | 64
  MinHeight      | Int32   | 64
  MaxWidth       | Int32   | 32000
  MaxHeight      | Int32   | 32000
  Frame          | Int32   | 0
  Composite      | Boolean | True
  HasBackColor   | Boolean | False
  BackColor      | Color   | #FFFFFF
  Title          | String  | "Corvane Graph"
  Visible        | Boolean | True
  FullScreen     | Boolean | False
  MenuBarVisible | Boolean | True
  CloseButton    | Boolean | False
  Resizeable     | Boolean | False
  LiveResize     | Boolean | False
  MaximizeButton | Boolean | False
  MinimizeButton | Boolean | True
  MacProcID      | Int32   | 0
)";

inline const char kGraphWndCanvas[] = R"(
  Name            | String  | "Canvas1"
  Index           | Int32   | -2147483648
  Left            | Int32   | 20
  Top             | Int32   | 14
  Width           | Int32   | 600
  Height          | Int32   | 420
  LockLeft        | Boolean | True
  LockTop         | Boolean | True
  LockRight       | Boolean | True
  LockBottom      | Boolean | True
  TabPanelIndex   | Int32   | 0
  TabIndex        | Int32   | 0
  TabStop         | Boolean | True
  Visible         | Boolean | True
  HelpTag         | String  | ""
  AutoDeactivate  | Boolean | True
  Enabled         | Boolean | True
  UseFocusRing    | Boolean | False
  AcceptFocus     | Boolean | False
  AcceptTabs      | Boolean | False
  DoubleBuffer    | Boolean | False
  EraseBackground | Boolean | True
  InitialParent   | String  | ""
)";

inline const char kGraphWndPushButtons[] = R"(
  Name           | String  | "CloseBtn"  | "CopyBtn"   | "SaveBtn"   | "PrintBtn"
  Index          | Int32   | -2147483648 | -2147483648 | -2147483648 | -2147483648
  Left           | Int32   | 20          | 210         | 374         | 550
  Top            | Int32   | 455         | 455         | 455         | 455
  Width          | Int32   | 70          | 70          | 70          | 70
  Height         | Int32   | 25          | 25          | 25          | 25
  LockLeft       | Boolean | False       | False       | False       | False
  LockTop        | Boolean | False       | False       | False       | False
  LockRight      | Boolean | False       | False       | False       | False
  LockBottom     | Boolean | False       | False       | False       | False
  TabPanelIndex  | Int32   | 0           | 0           | 0           | 0
  TabIndex       | Int32   | 1           | 2           | 3           | 4
  TabStop        | Boolean | True        | True        | True        | True
  Caption        | String  | "Close"     | "Copy"      | "Save"      | "Print"
  Default        | Boolean | False       | False       | False       | False
  Cancel         | Boolean | False       | False       | False       | False
  Enabled        | Boolean | True        | True        | True        | True
  Visible        | Boolean | True        | True        | True        | True
  HelpTag        | String  | ""          | ""          | ""          | ""
  AutoDeactivate | Boolean | True        | False       | False       | False
  ButtonStyle    | Int32   | 0           | 0           | 0           | 0
  TextFont       | String  | "System"    | "System"    | "System"    | "System"
  Bold           | Boolean | False       | False       | False       | False
  Italic         | Boolean | False       | False       | False       | False
  Underline      | Boolean | False       | False       | False       | False
  InitialParent  | String  | ""          | ""          | ""          | ""
)";

inline const char kDescriptionWndRecord[] = R"(
  Placement                | Int32   | 0
  Width                    | Int32   | 427
  Height                   | Int32   | 491
  MinWidth                 | Int32   | 64
  MinHeight                | Int32   | 64
  MaxWidth                 | Int32   | 32000
  MaxHeight                | Int32   | 32000
  Frame                    | Int32   | 0
  Composite                | Boolean | True
  HasBackColor             | Boolean | False
  BackColor                | Color   | #FFFFFF
  Title                    | String  | "Description"
  Visible                  | Boolean | False
  FullScreen               | Boolean | False
  MenuBarVisible           | Boolean | False
  CloseButton              | Boolean | True
  Resizeable               | Boolean | False
  LiveResize               | Boolean | False
  MaximizeButton           | Boolean | False
  MinimizeButton           | Boolean | True
  MacProcID                | Int32   | 0
  Left                     | Int32   | 0
  Top                      | Int32   | 0
  _mInitialControlsCreated | Int32   | 0
)";

// The help window's text areas list their keys from the last to the first. A carriage return and
// the help text cannot stand in a cell: <CR> and <help text> stand for them.
inline const char kDescriptionWndTextAreasWithPlaceholders[] = R"(
  InitialParent              | String  | ""            | ""
  DataField                  | String  | ""            | ""
  DataSource                 | String  | ""            | ""
  AutomaticallyCheckSpelling | Boolean | True          | True
  Alignment                  | Int32   | 0             | 1
  AcceptTabs                 | Boolean | False         | False
  LimitText                  | Int32   | 0             | 0
  ReadOnly                   | Boolean | True          | True
  Mask                       | String  | ""            | ""
  Text                       | String  | "<CR>"        | "<help text>"
  Underline                  | Boolean | False         | False
  Italic                     | Boolean | False         | False
  Bold                       | Boolean | False         | False
  TextFont                   | String  | "Courier"     | "Times"
  HideSelection              | Boolean | True          | True
  AutoDeactivate             | Boolean | True          | True
  HelpTag                    | String  | ""            | ""
  Visible                    | Boolean | True          | True
  Format                     | String  | ""            | ""
  Enabled                    | Boolean | True          | True
  BackColor                  | Color   | #FFFFFF       | #FFFFFF
  TextColor                  | Color   | #000000       | #000000
  UseFocusRing               | Boolean | False         | False
  Styled                     | Boolean | False         | True
  ScrollbarVertical          | Boolean | True          | True
  ScrollbarHorizontal        | Boolean | False         | False
  Multiline                  | Boolean | True          | True
  Border                     | Boolean | True          | True
  TabStop                    | Boolean | True          | True
  TabIndex                   | Int32   | 0             | 1
  TabPanelIndex              | Int32   | 0             | 0
  LockBottom                 | Boolean | True          | True
  LockRight                  | Boolean | True          | True
  LockTop                    | Boolean | True          | True
  LockLeft                   | Boolean | True          | True
  Height                     | Int32   | 478           | 476
  Width                      | Int32   | 427           | 429
  Top                        | Int32   | -1            | -1
  Left                       | Int32   | 1             | -1
  Index                      | Int32   | -2147483648   | -2147483648
  Name                       | String  | "DescribeFld" | "DescribeFld2"
)";

inline std::string Replaced(std::string text, const std::string& placeholder,
                            const std::string& value) {
  const size_t at = text.find(placeholder);
  if (at == std::string::npos) throw std::invalid_argument("No " + placeholder);
  return text.replace(at, placeholder.size(), value);
}

inline const char* DescriptionWndTextAreas() {
  static const std::string table =
      Replaced(Replaced(kDescriptionWndTextAreasWithPlaceholders, "<CR>", "\r"), "<help text>",
               corvane::kHelpText);
  return table.c_str();
}

inline const char kKeyDown[] = "( TextArea, String ) as Boolean";
inline const char kAction[] = "( PushButton )";
inline const char kMouseDown[] = "( Canvas, Int32, Int32 ) as Boolean";
inline const char kOpen[] = "( Canvas )";

inline const std::vector<WindowTable>& ProgramWindows() {
  static const std::vector<WindowTable> windows = {
      {"ControlWnd.ControlWnd",
       [] { return corvane::ControlWnd::Instance(); },
       kControlWndRecord,
       {kControlWndTextAreas, kControlWndPushButtons, kControlWndLabels, kControlWndCanvases,
        kControlWndRectangle},
       {"NVarsFld", "EigenFld", "ClearBtn", "CalculateBtn", "StaticText3", "Canvas3", "StaticText4",
        "StaticText9", "Rectangle1", "StaticText1", "PrintBtn", "GraphBtn", "Canvas1"},
       {{"NVarsFld", 13, "NVarsFld_KeyDown", kKeyDown},
        {"EigenFld", 13, "EigenFld_KeyDown", kKeyDown},
        {"ClearBtn", 15, "ClearBtn_Action", kAction},
        {"CalculateBtn", 15, "CalculateBtn_Action", kAction},
        {"PrintBtn", 15, "PrintBtn_Action", kAction},
        {"GraphBtn", 15, "GraphBtn_Action", kAction},
        {"Canvas1", 18, "Canvas1_MouseDown", kMouseDown}},
       {{"DescriptionMenuItem", "_DescriptionMenuItem_Action"}, {"AboutUlk", "_AboutUlk_Action"}}},
      {"AboutWnd.AboutWnd",
       [] { return corvane::AboutWnd::Instance(); },
       kAboutWndRecord,
       {kAboutWndLabels, kAboutWndCanvases},
       {"StaticText5", "Canvas1", "Canvas2", "StaticText1"},
       {},
       {}},
      {"InvisibleWnd.InvisibleWnd",
       [] { return corvane::InvisibleWnd::Instance(); },
       kInvisibleWndRecord,
       {},
       {},
       {},
       {}},
      {"GraphWnd.GraphWnd",
       [] { return corvane::GraphWnd::Instance(); },
       kGraphWndRecord,
       {kGraphWndCanvas, kGraphWndPushButtons},
       {"Canvas1", "CloseBtn", "CopyBtn", "SaveBtn", "PrintBtn"},
       {{"Canvas1", 1, "Canvas1_Open", kOpen},
        {"CloseBtn", 15, "CloseBtn_Action", kAction},
        {"CopyBtn", 15, "CopyBtn_Action", kAction},
        {"SaveBtn", 15, "SaveBtn_Action", kAction},
        {"PrintBtn", 15, "PrintBtn_Action", kAction}},
       {}},
      {"DescriptionWnd.DescriptionWnd",
       [] { return corvane::DescriptionWnd::Instance(); },
       kDescriptionWndRecord,
       {DescriptionWndTextAreas()},
       {"DescribeFld", "DescribeFld2"},
       {},
       {{"ControlMenuItem", "_ControlMenuItem_Action"},
        {"AboutMenuItem", "_AboutMenuItem_Action"},
        {"Print", "_Print_Action"}}},
  };
  return windows;
}

// The application object's menu handlers.
inline const std::vector<MenuHandlerRow> kApplicationMenuHandlers = {
    {"AboutUlk", "_AboutUlk_Action"}, {"AboutMenuItem", "_AboutMenuItem_Action"}};

// Every item of the menu bar, and the one name the item accessors know that no item has.
inline const std::vector<std::string> kMenuItemNames = {"FileMenu",
                                                        "Print",
                                                        "FileQuit",
                                                        "UntitledMenu0",
                                                        "EditUndo",
                                                        "UntitledMenu1",
                                                        "EditCut",
                                                        "EditCopy",
                                                        "EditPaste",
                                                        "EditClear",
                                                        "WindowMenu",
                                                        "ControlMenuItem",
                                                        "DescriptionMenuItem",
                                                        "AboutMenuItem",
                                                        "AboutUlk",
                                                        "UntitledMenu3"};

// The control events a window can bind, by number: Open, KeyDown, Action, MouseDown.
inline const std::vector<int32_t> kControlEventNumbers = {1, 13, 15, 18};

// The 33 events of every window, in event-table order.
inline const char kWindowEventNames[] =
    "Layout CreateControls AddMenuHandlers SetupBindings Open Close "
    "CancelClose KeyDown KeyUp MouseMove MouseEnter MouseExit Paint "
    "MouseDown MouseDrag MouseUp EnableMenuItems Resized Resizing Moved "
    "DropObject Activate Deactivate Minimize Maximize Restore MouseWheel "
    "ConstructContextualMenu ContextualMenuAction DragEnter DragExit DragOver ContentsChanged";

}  // namespace testing_support
