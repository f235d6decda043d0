object FrmInstall: TFrmInstall
  Left = 309
  Top = 133
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'Screensaver installer for Kestrova'
  ClientHeight = 274
  ClientWidth = 410
  Color = clBtnFace
  Constraints.MinHeight = 23
  Constraints.MinWidth = 130
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
  object suiForm1: TPanel
    Left = 0
    Top = 0
    Width = 410
    Height = 274
    BevelOuter = bvNone
    Color = 15198183
    TabOrder = 0
    object BtnInstall: TsuiButton
      Left = 224
      Top = 240
      Width = 80
      Height = 27
      Caption = 'Install'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clBlack
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = []
      ParentFont = False
      TabOrder = 1
      UIStyle = MacOS
      Transparent = True
      ModalResult = 0
      AutoSize = False
      FocusedRectMargin = 2
      Layout = blGlyphLeft
      Spacing = 4
      MouseContinuouslyDownInterval = 100
      OnClick = BtnInstallClick
      ResHandle = 0
    end
    object BtnCancel: TsuiButton
      Left = 320
      Top = 240
      Width = 80
      Height = 27
      Caption = 'Cancel'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clBlack
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = []
      ParentFont = False
      TabOrder = 2
      UIStyle = MacOS
      Transparent = True
      ModalResult = 0
      AutoSize = False
      FocusedRectMargin = 2
      Layout = blGlyphLeft
      Spacing = 4
      MouseContinuouslyDownInterval = 100
      OnClick = BtnCancelClick
      ResHandle = 0
    end
    object PreviewFlash: TShockwaveFlash
      Left = 8
      Top = 48
      Width = 393
      Height = 169
      TabOrder = 3
      ControlData = {
      4B5346312C010B004D006F007600690065003D00000057004D006F0064006500
      3D00570069006E0064006F00770000005100750061006C006900740079003D00
      480069006700680000005300630061006C0065003D00530068006F0077004100
      6C006C00000050006C00610079003D002D00310000004C006F006F0070003D00
      2D00310000004D0065006E0075003D002D0031000000530041006C0069006700
      6E003D0000004200470043006F006C006F0072003D0000004400650076006900
      6300650046006F006E0074003D003000000045006D006200650064004D006F00
      7600690065003D00300000000000000000000000000000000000000000000000
      0000000000000000000000000000000000000000000000000000000000000000
      000000000000000000000000}
    end
    object Label1: TLabel
      Left = 16
      Top = 27
      Width = 330
      Height = 13
      Caption = 'This will install the screensaver previewed as below on your computer:'
    end
    object ChkDefaultScreensaver: TsuiCheckBox
      Left = 16
      Top = 224
      Width = 149
      Height = 21
      UIStyle = MacOS
      AutoSize = True
      Checked = False
      Caption = 'Set as default screensaver'
      TabOrder = 4
      TabStop = True
      Transparent = False
    end
  end
end
