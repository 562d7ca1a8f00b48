;==============================================================================
; IRSend.asm: the NEC frame of a key, and its repeat.
;==============================================================================
#include "QK52A150.inc"
#include "Driving.inc"
#include "IR_Standard.inc"

                PUBLIC  IR_SEND_KEY
                PUBLIC  IR_SEND_REPEAT
                EXTERN  KEY_COMMAND_TABLE : near

; Carrier: period and mark in system clocks.
CARRIER_PERIOD  EQU     SYS_CLOCK_KHZ / IR_FQC
CARRIER_MARK    EQU     CARRIER_PERIOD / IR_DUTY

; NEC: pulse-distance coding, 8 address bits, 8 command bits, a frame every 108 ms.
ADDRESS_BITS    EQU     8
COMMAND_BITS    EQU     8
FRAME_PERIOD_MS EQU     108

IR_DATA         .section 'data'
COMMAND         DB      ?
TX_BYTE         DB      ?
BIT_COUNT       DB      ?
TOGGLE          DB      ?

IR_CODE         .section 'code'
; A = key number: its code is the table entry.
IR_SEND_KEY     PROC
                ADD     A, LOW OFFSET KEY_COMMAND_TABLE
                MOV     TBLP, A
                TABRDL  COMMAND
IF LED_DRV == 1
                SET     LED_IO
ENDIF
                MOV     A, LOW CARRIER_PERIOD
                MOV     REMPL, A
                MOV     A, LOW CARRIER_MARK
                MOV     REMDUTY, A
                CALL    SEND_LEAD
                MOV     A, ADDRESS
                MOV     TX_BYTE, A
                MOV     A, 8
                CALL    SEND_BITS
IF ADDRESS_EXT_FLAG == 1
                MOV     A, ADDRESS_EXT
                MOV     TX_BYTE, A
                MOV     A, 8
                CALL    SEND_BITS
ENDIF
IF SUB_CODE_FLAG == 1
                MOV     A, SUB_CODE
                MOV     TX_BYTE, A
                MOV     A, 3
                CALL    SEND_BITS
ENDIF
                MOV     A, COMMAND
                MOV     TX_BYTE, A
                MOV     A, COMMAND_BITS
                CALL    SEND_BITS
                CPL     COMMAND             ; the inverted command follows
                MOV     A, COMMAND
                MOV     TX_BYTE, A
                MOV     A, COMMAND_BITS
                CALL    SEND_BITS
                CALL    SEND_STOP_MARK
IF LED_DRV == 1
                CLR     LED_IO
ENDIF
                RET
IR_SEND_KEY     ENDP

IR_SEND_REPEAT  PROC
                CALL    SEND_REPEAT_CODE
                RET
IR_SEND_REPEAT  ENDP

; Sends the A low bits of TX_BYTE, least significant first.
SEND_BITS:
                MOV     BIT_COUNT, A
NEXT_BIT:
                RRC     TX_BYTE
                SZ      STATUS.0
                CALL    SEND_ONE
                SNZ     STATUS.0
                CALL    SEND_ZERO
                SDZ     BIT_COUNT
                JMP     NEXT_BIT
                RET
SEND_ONE:
                CALL    IR_ON
                MOV     A, 70
                CALL    WAIT_TICKS
                CALL    IR_OFF
                MOV     A, 211
                CALL    WAIT_TICKS
                RET
SEND_ZERO:
                CALL    IR_ON
                MOV     A, 70
                CALL    WAIT_TICKS
                CALL    IR_OFF
                MOV     A, 70
                CALL    WAIT_TICKS
                RET
SEND_STOP_MARK:
                CALL    IR_ON
                MOV     A, 70
                CALL    WAIT_TICKS
                CALL    IR_OFF
                MOV     A, 1
                CALL    WAIT_TICKS
                RET
SEND_LEAD:
                CALL    IR_ON
                MOV     A, 255
                CALL    WAIT_TICKS
                CALL    IR_OFF
                MOV     A, 255
                CALL    WAIT_TICKS
                RET
SEND_REPEAT_CODE:
                CALL    IR_ON
                MOV     A, 255
                CALL    WAIT_TICKS
                CALL    IR_OFF
                MOV     A, 255
                CALL    WAIT_TICKS
                RET
IR_ON:
IF REM_HL == 1
                SET     REM_EN              ; the REM pin drives the LED, high active
ELSE
                SET     REMDRV_EN           ; the REMDRV driver sinks the LED current
ENDIF
                RET
IR_OFF:
                CLR     REM_EN
                CLR     REMDRV_EN
                RET
; Waits A ticks of 8 microseconds.
WAIT_TICKS:
                MOV     TMR0, A
                SET     T0ON
WAIT_LOOP:
                SNZ     T0F
                JMP     WAIT_LOOP
                CLR     T0F
                CLR     T0ON
                RET

