/* Quorvane's skin for the main window: an evening-blue surface and lantern-coloured buttons. */
QWidget#Form1 {
    background-color: #1f3b5a;
}
QWidget#Form1 QPushButton {
    color: #17324f;
    background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #ffe9a8, stop: 1 #f2b33d);
    border: 1px solid #0f2236;
    border-radius: 6px;
}
QWidget#Form1 QPushButton:hover {
    background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #fff4d1, stop: 1 #f6c566);
}
QWidget#Form1 QPushButton:pressed {
    background-color: #e0a030;
}
QWidget#Form1 QPushButton:focus {
    border: 2px solid #ffffff;
}
