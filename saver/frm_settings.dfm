object FrmSettings: TFrmSettings
  Left = 300
  Top = 200
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'Kestrova Screensaver Settings'
  ClientHeight = 150
  ClientWidth = 320
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  Position = poScreenCenter
  Scaled = False
  PixelsPerInch = 96
  TextHeight = 13
  object LblNameCaption: TLabel
    Left = 16
    Top = 16
    Width = 80
    Height = 13
    Caption = 'Movie:'
  end
  object LblName: TLabel
    Left = 104
    Top = 16
    Width = 200
    Height = 13
    Caption = 'LblName'
  end
  object LblSizeCaption: TLabel
    Left = 16
    Top = 36
    Width = 80
    Height = 13
    Caption = 'Size:'
  end
  object LblSize: TLabel
    Left = 104
    Top = 36
    Width = 200
    Height = 13
    Caption = 'LblSize'
  end
  object LblRateCaption: TLabel
    Left = 16
    Top = 56
    Width = 80
    Height = 13
    Caption = 'Frame rate:'
  end
  object LblRate: TLabel
    Left = 104
    Top = 56
    Width = 200
    Height = 13
    Caption = 'LblRate'
  end
  object LblProblem: TLabel
    Left = 16
    Top = 80
    Width = 288
    Height = 26
    AutoSize = False
    Caption = ''
    WordWrap = True
  end
  object BtnOk: TButton
    Left = 224
    Top = 114
    Width = 80
    Height = 25
    Cancel = True
    Caption = 'OK'
    Default = True
    TabOrder = 0
    OnClick = BtnOkClick
  end
end
