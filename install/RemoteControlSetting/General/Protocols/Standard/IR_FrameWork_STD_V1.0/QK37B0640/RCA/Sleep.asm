;==============================================================================
; Sleep.asm: power-down until a key line changes.
;==============================================================================
#include "QK37B0640.inc"
#include "Driving.inc"

                PUBLIC  ENTER_SLEEP

SLEEP_CODE      .section 'code'
ENTER_SLEEP     PROC
                CLR     REM_EN              ; IR output off
                CLR     REMDRV_EN
IF LED_DRV == 1
                CLR     LED_IO              ; key LED off
ENDIF
                CLR     T0ON
                MOV     A, 0FFH
                MOV     PAWU, A             ; key lines wake the chip
                CLR     WDT
                HALT
                NOP
                RET
ENTER_SLEEP     ENDP

