object DemoForm: TDemoForm
  Left = 309
  Top = 133
  BorderStyle = bsDialog
  Caption = 'Framework demo '#8212' Zürich'
  ClientHeight = 160
  ClientWidth = 320
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  Position = poDesktopCenter
  Scaled = False
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object Label1: TLabel
    Left = 16
    Top = 12
    Width = 288
    Height = 13
    AutoSize = False
    Caption = 'A label, a panel, a custom control, a check box and buttons'
  end
  object Panel1: TPanel
    Left = 16
    Top = 32
    Width = 180
    Height = 80
    BevelInner = bvLowered
    Caption = 'Panel'
    TabOrder = 3
    object Swatch1: TSwatch
      Left = 8
      Top = 8
      Width = 40
      Height = 40
    end
  end
  object ChkOption: TCheckBox
    Left = 16
    Top = 124
    Width = 160
    Height = 21
    Caption = '&Set as default screensaver'
    TabOrder = 2
  end
  object BtnInstall: TButton
    Left = 224
    Top = 92
    Width = 80
    Height = 27
    Caption = '&Install'
    Default = True
    TabOrder = 0
    OnClick = BtnInstallClick
  end
  object BtnCancel: TButton
    Left = 224
    Top = 124
    Width = 80
    Height = 27
    Cancel = True
    Caption = 'Cancel'
    TabOrder = 1
  end
end
