//Unique popup cooke name... 
//must begin with a letter, then letters, digits or underscores
Cookie_unique = 'Cookie_ID_#';

image_width = 500;
image_height= 500;

// Path = "sc/";
Path = "index.popup/";

// close_points = '10, 10, 10, 10, 10, 10, 10, 10';
// click_points = '10, 10, 10, 10, 10, 10, 10, 10';
close_points = '438, 46, 438, 18, 466, 18, 466, 46';
click_points = '29, 466, 29, 25, 470, 25, 470, 466';


// Auto Hide

// need_hide = '<script>timeHided(5000)</script>'
// need_hide = ''
need_hide = '';


// Where to open window

// target = "_self";
// target = "_blank";
target = "_self";


// Action for Click

// action = "HREF='http://www.example.com/'";
// action = "HREF='#1' onClick='close_up();'";
action = "HREF='https://example.org/?a=1'";


// How many times to open

// openhow="<script>timeHide()</script>";
// openhow="";
openhow="";


// Popup position

// position = "width:100%;  top:50%;";
// position = "left: 100px;  top: 100px;";
position = "width:100%;  top:50%;";
