;==============================================================================
; Main.asm: start-up and the main loop: scan, send, sleep.
;==============================================================================
#include "QK21C0510.inc"
#include "Key_Mapping.inc"
#include "Driving.inc"
#include "IR_UserDef.inc"

                PUBLIC  START
                EXTERN  KEY_INIT : near
                EXTERN  KEY_SCAN : near
                EXTERN  IR_SEND_KEY : near
                EXTERN  IR_SEND_REPEAT : near
                EXTERN  ENTER_SLEEP : near
                EXTERN  KEY_CODE : byte

RESET_VECTOR    .section at 0000H 'code'
                JMP     START

MAIN_CODE       .section 'code'
START:
                CLR     WDT
                MOV     A, 0FFH
                MOV     PAC, A              ; key port: inputs
                MOV     PAPU, A             ; with pull-ups
                CALL    KEY_INIT
IF LED_DRV == 1
                CLR     LED_IO_C            ; key LED: output, off
                CLR     LED_IO
ENDIF
MAIN_LOOP:
                CLR     WDT
                CALL    KEY_SCAN            ; A = key number, 0FFH for none
                XOR     A, 0FFH
                SZ      ACC.7               ; skip when a key is down
                JMP     SLEEP_NOW
                XOR     A, 0FFH
                CALL    IR_SEND_KEY         ; look the code up and send its frame
HOLD_LOOP:
                CLR     WDT
                CALL    KEY_SCAN
                XOR     A, 0FFH
                SZ      ACC.7
                JMP     MAIN_LOOP           ; released
                CALL    IR_SEND_REPEAT      ; held: repeat frames
                JMP     HOLD_LOOP
SLEEP_NOW:
                CALL    ENTER_SLEEP         ; wakes on a key press
                JMP     MAIN_LOOP

